#include "framework/controls/TabScroller.h"

#include "framework/core/Draw3D.h"

namespace tavra {

TTabScroller::TTabScroller(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csCaptureMouse | csOpaque;
  setBoundsQuiet(Rect::fromSize(0, 0, 32, 16));
}

void TTabScroller::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  p.className = "msctls_updown32";
}

void TTabScroller::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      int step = xFromLParam(m.LParam_) < width() / 2 ? -1 : 1;
      if ((step < 0 && !canScrollBack) || (step > 0 && !canScrollForward)) break;
      pressed_ = step;
      Invalidate();
      if (OnScroll) OnScroll(step);
      break;
    }
    case WM_LBUTTONUP:
      pressed_ = 0;
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

void TTabScroller::Paint() {
  Canvas& c = *canvas();
  int half = width() / 2;
  for (int step : {-1, 1}) {
    Rect r = step < 0 ? Rect{0, 0, half, height()} : Rect{half, 0, width(), height()};
    DrawButtonFace(c, r, pressed_ == step ? ButtonLook::Pressed : ButtonLook::Raised, false);
    bool enabled = step < 0 ? canScrollBack : canScrollForward;
    Color ink = enabled ? clBtnText : clGrayText;
    int cx = (r.left + r.right) / 2 + (pressed_ == step ? 1 : 0);
    int cy = (r.top + r.bottom) / 2 + (pressed_ == step ? 1 : 0);
    // A small triangle pointing left or right.
    for (int i = 0; i < 4; ++i) {
      int x = step < 0 ? cx - 2 + i : cx + 1 - i;
      c.fillRect(Rect{x, cy - i, x + 1, cy + i + 1}, ink);
    }
  }
}

}  // namespace tavra
