#include "framework/controls/ScrollBox.h"

namespace tavra {

TScrollBox::TScrollBox(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  setBoundsQuiet(Rect::fromSize(0, 0, 185, 41));
}

void TScrollBox::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::setBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (Window* w = window()) {
    std::uint32_t ex = w->exStyle() & ~static_cast<std::uint32_t>(WS_EX_CLIENTEDGE);
    w->setExStyle(style == TBorderStyle::bsSingle ? ex | WS_EX_CLIENTEDGE : ex);
    AlignControls();
  }
}

void TScrollBox::Paint() { canvas()->fillRect(clientRect(), color()); }

}  // namespace tavra
