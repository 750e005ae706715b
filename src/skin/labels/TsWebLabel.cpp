#include "skin/labels/TsWebLabel.h"

#include "winsys/Shell.h"

namespace tavra {

TsWebLabel::TsWebLabel(TComponent* owner) : TsCustomLabel(owner) { setCursor(crHandPoint); }

void TsWebLabel::setFont(const Font& f) {
  normalFont_ = f;
  TsCustomLabel::setFont(f);
  Invalidate();
}

void TsWebLabel::setHoverFont(const Font& f) {
  if (f == hoverFont_) return;
  hoverFont_ = f;
  if (hover_) {
    takeCurrentFont();
    AdjustSize();
    Invalidate();
  }
}

void TsWebLabel::Loaded() {
  takeCurrentFont();
  TsCustomLabel::Loaded();
}

Font TsWebLabel::currentFont() const { return hover_ ? hoverFont_ : normalFont_; }

void TsWebLabel::hoverChanged(bool hover) {
  hover_ = hover;
  const Rect before = boundsRect();
  // The label's font is the hover font while hovered; an auto-sized label is measured again.
  takeCurrentFont();
  // A smaller hover font does not shrink the label under the pointer: the pointer would fall
  // outside, end the hover, and the label would grow back under it again and again.
  if (autoSize() && hover_) setBoundsRect(before.united(boundsRect()));
  Repaint();
}

void TsWebLabel::WndProc(TMessage& m) {
  switch (m.Msg) {
    case CM_MOUSEENTER:
      TsCustomLabel::WndProc(m);
      if (m.LParam_ == 0) hoverChanged(true);
      return;
    case CM_MOUSELEAVE:
      TsCustomLabel::WndProc(m);
      if (m.LParam_ == 0) hoverChanged(false);
      return;
    case WM_LBUTTONDOWN:
      TsCustomLabel::WndProc(m);
      if (!url_.empty()) shellOpen(url_);
      return;
    default:
      TsCustomLabel::WndProc(m);
      return;
  }
}

}  // namespace tavra
