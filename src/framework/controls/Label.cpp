#include "framework/controls/Label.h"

#include "framework/core/Draw3D.h"
#include "framework/core/WinControl.h"

namespace tavra {

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  controlStyle_ |= csOpaque | csReplicatable;
  setBoundsQuiet(Rect::fromSize(0, 0, 65, 17));
  // A label fills its box with its parent's colour unless given one of its own, so on a form
  // whose colour follows the skin it does not stand out as a grey box.
  setParentColor(true);
}

void TCustomLabel::setAutoSize(bool a) {
  if (a == autoSize_) return;
  autoSize_ = a;
  AdjustSize();
}

void TCustomLabel::setWordWrap(bool w) {
  if (w == wordWrap_) return;
  wordWrap_ = w;
  AdjustSize();
  Invalidate();
}

void TCustomLabel::setAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void TCustomLabel::setLayout(TTextLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TCustomLabel::setTransparent(bool t) {
  if (t == transparent_) return;
  transparent_ = t;
  if (t) controlStyle_ &= ~static_cast<unsigned>(csOpaque);
  else controlStyle_ |= csOpaque;
  Invalidate();
}

void TCustomLabel::setShowAccelChar(bool s) {
  if (s == showAccelChar_) return;
  showAccelChar_ = s;
  AdjustSize();
  Invalidate();
}

std::string TCustomLabel::labelText() const { return caption(); }

unsigned TCustomLabel::drawTextFlags() const {
  unsigned flags = DT_EXPANDTABS;
  if (wordWrap_) flags |= DT_WORDBREAK;
  if (!showAccelChar_) flags |= DT_NOPREFIX;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  else if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  return flags;
}

void TCustomLabel::DoDrawText(Canvas& c, Rect& r, unsigned flags) {
  std::string text = labelText();
  if ((flags & DT_CALCRECT) && (text.empty() || (showAccelChar_ && text.size() == 1 && text[0] == '&'))) text += ' ';
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  if (!enabled() && !(flags & DT_CALCRECT)) {
    DrawDisabledText(c, text, r, flags);
    return;
  }
  c.drawText(text, r, flags);
}

void TCustomLabel::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  if (!transparent_) c.fillRect(r, color());
  unsigned flags = drawTextFlags();
  if (layout_ != TTextLayout::tlTop) {
    Rect calc = r;
    DoDrawText(c, calc, flags | DT_CALCRECT);
    int offset = r.height() - calc.height();
    if (layout_ == TTextLayout::tlCenter) offset /= 2;
    r = r.offsetBy(0, offset);
  }
  DoDrawText(c, r, flags);
}

void TCustomLabel::AdjustSize() {
  if (!autoSize_ || isLoading()) return;
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  Rect r = clientRect();
  DoDrawText(c, r, drawTextFlags() | DT_CALCRECT);
  int x = left();
  // A right-aligned label keeps its right edge.
  if (alignment_ == TAlignment::taRightJustify) x = left() + width() - r.right;
  setBounds(x, top(), r.right, r.bottom);
}

}  // namespace tavra
