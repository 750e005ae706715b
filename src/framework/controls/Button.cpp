#include "framework/controls/Button.h"

#include "framework/core/Draw3D.h"
#include "framework/core/Form.h"
#include "winsys/Keys.h"

namespace tavra {

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  setTabStop(true);
  // Two quick presses are two clicks.
  controlStyle_ = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
  setBoundsQuiet(Rect::fromSize(0, 0, 75, 25));
}

void TButton::setDefault(bool d) {
  if (d == default_) return;
  default_ = d;
  Invalidate();
}

void TButton::setDown(bool d) {
  if (d == down_) return;
  down_ = d;
  Invalidate();
}

void TButton::Click() {
  if (TCustomForm* f = parentForm(); f && modalResult_ != 0) f->setModalResult(modalResult_);
  TControl::Click();
}

bool TButton::KeyDown(unsigned& key, TShiftState shift) {
  if (key == VK_SPACE) {
    spaceDown_ = true;
    setDown(true);
  }
  return TCustomControl::KeyDown(key, shift);
}

void TButton::KeyUp(unsigned& key, TShiftState shift) {
  if (key == VK_SPACE && spaceDown_) {
    spaceDown_ = false;
    setDown(false);
    Click();
  }
  TCustomControl::KeyUp(key, shift);
}

void TButton::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled()) {
        mouseDown_ = true;
        if (!focused() && canFocus()) setFocus();
        setDown(true);
      }
      TCustomControl::WndProc(m);
      return;
    case WM_MOUSEMOVE:
      if (mouseDown_) setDown(clientRect().contains(Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)}));
      TCustomControl::WndProc(m);
      return;
    case WM_LBUTTONUP:
      mouseDown_ = false;
      setDown(false);
      TCustomControl::WndProc(m);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m.Msg == WM_KILLFOCUS) {
        spaceDown_ = false;
        setDown(false);
      }
      Invalidate();
      TCustomControl::WndProc(m);
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

void TButton::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  bool focusLook = focused() || default_;
  DrawButtonFace(c, r, down_ ? ButtonLook::Pressed : ButtonLook::Raised, focusLook);
  Rect text = r.inflatedBy(-4, -4);
  if (down_) text = text.offsetBy(1, 1);
  unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  c.setBackgroundMode(BackgroundMode::Transparent);
  if (enabled()) {
    c.setTextColor(clBtnText);
    c.drawText(caption(), text, flags);
  } else {
    DrawDisabledText(c, caption(), text, flags);
  }
  if (focused()) DrawFocusRect(c, r.inflatedBy(-4, -4));
}

}  // namespace tavra
