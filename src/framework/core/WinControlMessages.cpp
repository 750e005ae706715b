// The windowed control's messages: the window procedure, the default handling, painting, the
// cursor, and passing mouse messages on to windowless children.
#include "framework/core/WinControl.h"

#include <exception>

#include "framework/core/Application.h"
#include "framework/core/Form.h"

namespace tavra {
namespace {

bool isMouseMessage(MessageId m) { return m >= WM_MOUSEMOVE && m <= WM_MBUTTONDBLCLK; }

}  // namespace

LResult TWinControl::DefaultHandler(TMessage& m) {
  // While the window is being created it is not ours yet; the message names it.
  Window* w = window_ ? window_.get() : creatingWindow_;
  if (!w) return 0;
  return WindowSystem::instance().defWindowProc(*w, m.Msg, m.WParam_, m.LParam_);
}

LResult TWinControl::windowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  if (!window_) creatingWindow_ = &w;
  TMessage m{msg, wParam, lParam, 0};
  try {
    WndProc(m);
  } catch (const std::exception& e) {
    if (TApplication::exists()) Application().HandleException(e);
  }
  return m.Result;
}

bool TWinControl::dispatchToWindowless(TMessage& m) {
  if (!isMouseMessage(m.Msg)) return false;
  Point p{xFromLParam(m.LParam_), yFromLParam(m.LParam_)};
  TControl* target = captureControl_;
  if (!target) target = controlAtPos(p);
  if (!target) return false;
  if (m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) {
    if (target->controlStyle() & csCaptureMouse) captureControl_ = target;
  }
  Point local = p - target->boundsRect().topLeft();
  TMessage forwarded{m.Msg, m.WParam_, makeLParam(local.x, local.y), 0};
  target->WndProc(forwarded);
  m.Result = forwarded.Result;
  bool buttonUp = m.Msg == WM_LBUTTONUP || m.Msg == WM_RBUTTONUP || m.Msg == WM_MBUTTONUP;
  if (buttonUp && !(m.WParam_ & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) captureControl_ = nullptr;
  return true;
}

bool TWinControl::setCursorForClient(TMessage& m) {
  // Only the window under the pointer decides, and only over its client area.
  if (!window_ || m.WParam_ != window_->handle() || xFromLParam(m.LParam_) != HTCLIENT) return false;
  WindowSystem& ws = WindowSystem::instance();
  TCursor c = cursor();
  if (TControl* child = controlAtPos(window_->screenToClient(ws.cursorPos())); child && child->cursor() != crDefault) c = child->cursor();
  if (c == crDefault) return false;
  ws.setCursor(cursorShapeFor(c));
  m.Result = 1;
  return true;
}

void TWinControl::EraseBackground(Canvas& canvas) {
  if (controlStyle_ & csOpaque) return;
  canvas.fillRect(clientRect(), color());
}

void TWinControl::paintHandler(TMessage& m) {
  (void)m;
  PaintScope scope = WindowSystem::instance().beginPaint(*window_);
  Canvas& c = scope.canvas();
  c.setFont(font());
  PaintWindow(c);
  PaintWindowlessChildren(c);
}

void TWinControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_PAINT:
      paintHandler(m);
      return;
    case WM_ERASEBKGND:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) EraseBackground(*canvas);
      m.Result = 1;
      return;
    case WM_PRINTCLIENT:
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_)) {
        PaintWindow(*canvas);
        PaintWindowlessChildren(*canvas);
      }
      return;
    case WM_SETFOCUS:
      if (TCustomForm* f = parentForm()) f->setActiveControlQuiet(this);
      DoEnter();
      Perform(CM_ENTER, 0, 0);
      m.Result = DefaultHandler(m);
      return;
    case WM_KILLFOCUS:
      DoExit();
      Perform(CM_EXIT, 0, 0);
      m.Result = DefaultHandler(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      unsigned key = static_cast<unsigned>(m.WParam_);
      KeyUp(key, 0);
      m.Result = DefaultHandler(m);
      return;
    }
    case WM_CHAR:
      if (!DoKeyPress(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_GETDLGCODE:
      m.Result = DialogCode();
      return;
    case WM_SIZE:
      AlignControls();
      m.Result = DefaultHandler(m);
      return;
    case WM_SETCURSOR:
      if (setCursorForClient(m)) return;
      m.Result = DefaultHandler(m);
      return;
    case WM_CAPTURECHANGED:
      captureControl_ = nullptr;
      m.Result = DefaultHandler(m);
      return;
    case CM_ENABLEDCHANGED:
      if (window_) window_->setEnabled(enabled());
      Invalidate();
      return;
    case CM_TEXTCHANGED:
      if (window_ && window_->text() != caption()) window_->setText(caption());
      TControl::WndProc(m);
      return;
    case CM_COLORCHANGED:
      if (window_) window_->setBackground(color());
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TControl::WndProc(m);
      Invalidate();
      return;
    default:
      break;
  }
  if (isMouseMessage(m.Msg)) {
    if (dispatchToWindowless(m)) return;
    if ((m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK) && takesFocusOnClick() && !focused() && canFocus()) setFocus();
    TControl::WndProc(m);
    return;
  }
  if (m.Msg >= CM_BASE && m.Msg < CM_BASE + 0x100) {
    TControl::WndProc(m);
    return;
  }
  m.Result = DefaultHandler(m);
}

}  // namespace tavra
