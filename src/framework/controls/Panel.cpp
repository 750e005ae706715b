#include "framework/controls/Panel.h"

#include "framework/core/Draw3D.h"

namespace tavra {

TCustomPanel::TCustomPanel(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks | csReplicatable;
  setBoundsQuiet(Rect::fromSize(0, 0, 185, 41));
}

void TCustomPanel::setBevelOuter(TBevelCut b) {
  if (b == bevelOuter_) return;
  bevelOuter_ = b;
  Invalidate();
}

void TCustomPanel::setBevelInner(TBevelCut b) {
  if (b == bevelInner_) return;
  bevelInner_ = b;
  Invalidate();
}

void TCustomPanel::setBevelWidth(int w) {
  if (w == bevelWidth_) return;
  bevelWidth_ = w;
  Invalidate();
}

void TCustomPanel::setBorderWidth(int w) {
  if (w == borderWidth_) return;
  borderWidth_ = w;
  Invalidate();
}

void TCustomPanel::setAlignment(TAlignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Invalidate();
}

void TCustomPanel::setBorderStyle(TBorderStyle b) {
  if (b == borderStyle_) return;
  borderStyle_ = b;
  if (Window* w = window()) {
    std::uint32_t s = w->style();
    w->setStyle(b == TBorderStyle::bsSingle ? (s | WS_BORDER) : (s & ~static_cast<std::uint32_t>(WS_BORDER)));
    w->invalidateTree();
    AlignControls();
  }
}

void TCustomPanel::CreateParams(WindowParams& params) {
  TCustomControl::CreateParams(params);
  if (borderStyle_ == TBorderStyle::bsSingle) params.style |= WS_BORDER;
}

void TCustomPanel::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    Color top = cut == TBevelCut::bvLowered ? systemColor(SysColor::BtnShadow) : systemColor(SysColor::BtnHighlight);
    Color bottom = cut == TBevelCut::bvLowered ? systemColor(SysColor::BtnHighlight) : systemColor(SysColor::BtnShadow);
    if (cut == TBevelCut::bvSpace) top = bottom = color();
    Frame3D(c, r, top, bottom, bevelWidth_);
  };
  bevel(bevelOuter_);
  Frame3D(c, r, color(), color(), borderWidth_);
  bevel(bevelInner_);
  c.fillRect(r, color());
  if (caption().empty()) return;
  unsigned flags = DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS;
  if (alignment_ == TAlignment::taCenter) flags |= DT_CENTER;
  else if (alignment_ == TAlignment::taRightJustify) flags |= DT_RIGHT;
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.drawText(caption(), r, flags);
}

}  // namespace tavra
