#pragma once
// Small helpers shared by the window system's source files (not part of its interface).
#include "winsys/CursorShape.h"
#include "winsys/InputEvent.h"
#include "winsys/Messages.h"
#include "winsys/Window.h"

namespace tavra::windowsystem_detail {

inline bool isButtonHit(LResult hit) { return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON; }
inline bool isSizingHit(LResult hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

// The default pointer for a hit-test code: sizing arrows on the borders, the class cursor over
// the client area, the arrow elsewhere.
inline CursorShape cursorForHit(const Window& w, LResult hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: return CursorShape::SizeWE;
    case HTTOP:
    case HTBOTTOM: return CursorShape::SizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return CursorShape::SizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return CursorShape::SizeNESW;
    case HTCLIENT: return w.classCursor();
    default: return CursorShape::Arrow;
  }
}

}  // namespace tavra::windowsystem_detail
