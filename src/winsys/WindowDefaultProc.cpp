// The default handling of messages: frames, hit tests, system commands, erasing, printing.
#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <tuple>

#include "base/Text.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/MinimizedBars.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystemDetail.h"

namespace tavra {

using namespace windowsystem_detail;

// --- Default handling ----------------------------------------------------------------------------

LResult WindowSystem::defWindowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      auto* r = reinterpret_cast<Rect*>(lParam);
      *r = ClassicFrame::clientRect(w, *r);
      return 0;
    }
    case WM_NCHITTEST:
      return frameHitTest(w, {xFromLParam(lParam), yFromLParam(lParam)});
    case WM_NCPAINT:
      paintClassicFrame(w, wParam > 1 ? reinterpret_cast<const Region*>(wParam) : nullptr);
      return 0;
    case WM_NCACTIVATE:
      w.invalidateFrame();
      return 1;
    case WM_NCLBUTTONDOWN: {
      LResult hit = static_cast<LResult>(wParam);
      Point screen{xFromLParam(lParam), yFromLParam(lParam)};
      if (hit == HTCAPTION || isButtonHit(hit) || (isSizingHit(hit) && (w.style() & WS_THICKFRAME))) startFrameTracking(w, hit, screen);
      return 0;
    }
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          send(w, WM_CLOSE, 0, 0);
          return 0;
        case SC_MOVE:
        case SC_SIZE:
          startKeyboardTracking(w, wParam & 0xFFF0);
          return 0;
        case SC_MINIMIZE:
          if (!w.minimized_ && w.isTopLevel()) {
            w.minimized_ = true;
            backend_->windowHidden(w);
            if (active_ == w.handle()) {
              activate(nullptr);
              for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
                if (*it != &w && (*it)->isShowing() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
                  activate(*it);
                  break;
                }
              }
            }
            send(w, WM_SIZE, SIZE_MINIMIZED, 0);
            // Nothing of the display keeps it: a bar at the bottom of the screen does.
            if (w.minimized_ && w.isVisible() && !backend_->keepsMinimizedWindows()) {
              if (!minimizedBars_) minimizedBars_ = std::make_unique<MinimizedBars>(*this);
              minimizedBars_->add(w);
            }
          }
          return 0;
        case SC_RESTORE:
          if (w.minimized_) {
            w.minimized_ = false;
            if (minimizedBars_) minimizedBars_->remove(w.handle());
            if (w.isVisible()) {
              backend_->windowShown(w);
              w.invalidateFrame();
              w.invalidate();
              activate(&w);
            }
            send(w, WM_SIZE, SIZE_RESTORED, makeLParam(w.clientRect_.width(), w.clientRect_.height()));
          }
          return 0;
      }
      return 0;
    case WM_CLOSE:
      w.hide();
      return 0;
    case WM_ERASEBKGND: {
      auto* canvas = reinterpret_cast<Canvas*>(wParam);
      if (canvas) canvas->fillRect(Rect::fromSize(0, 0, w.clientRect_.width(), w.clientRect_.height()), w.background_);
      return 1;
    }
    case WM_PAINT: {
      PaintScope scope = beginPaint(w);
      return 0;
    }
    case WM_SETTEXT:
      w.text_ = *reinterpret_cast<const std::string*>(lParam);
      w.invalidateFrame();
      return 1;
    case WM_SYSKEYDOWN:
      // F10 enters the menu bar; Alt+F4 closes the top-level window, frame or none.
      if (wParam == VK_F10) send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, 0);
      else if (wParam == VK_F4 && (modifiers_ & kModAlt)) send(w.topLevel(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSKEYUP:
      // Alt pressed and released on its own enters the menu bar.
      if (wParam == VK_MENU && menuKeyAlone_) {
        menuKeyAlone_ = false;
        send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, 0);
      }
      return 0;
    case WM_SYSCHAR:
      // Alt+character opens the menu whose accelerator it is.
      send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LParam>(wParam));
      return 0;
    case WM_SETCURSOR:
      // The parents have the first say; asked on a child's behalf, the default claims nothing.
      if (w.parent_ && send(*w.parent_, WM_SETCURSOR, wParam, lParam) != 0) return 1;
      if (wParam != w.handle()) return 0;
      setCursor(cursorForHit(w, xFromLParam(lParam)));
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_MOUSEWHEEL:
      // A window that does not scroll hands the wheel to its parent.
      return w.parent_ ? send(*w.parent_, msg, wParam, lParam) : 0;
    case WM_ACTIVATE:
      if (loWord(wParam) != WA_INACTIVE && !w.minimized_) {
        Window* f = focus();
        if (!f || &f->topLevel() != &w) setFocus(&w);
      }
      return 0;
    case WM_PRINT: {
      auto* canvas = reinterpret_cast<Canvas*>(wParam);
      if (!canvas) return 0;
      if ((lParam & PRF_CHECKVISIBLE) && !w.isVisible()) return 0;
      if (lParam & PRF_NONCLIENT) {
        Canvas::StateSaver saver(*canvas);
        canvas->excludeClip(w.clientRect_);
        ClassicFrame::paint(w, *canvas, active_ == w.handle() || w.parent_ != nullptr, HTNOWHERE);
      }
      Canvas::StateSaver saver(*canvas);
      canvas->translate(w.clientRect_.left, w.clientRect_.top);
      canvas->intersectClip(Rect::fromSize(0, 0, w.clientRect_.width(), w.clientRect_.height()));
      if (lParam & PRF_ERASEBKGND) send(w, WM_ERASEBKGND, wParam, 0);
      if (lParam & PRF_CLIENT) send(w, WM_PRINTCLIENT, wParam, lParam);
      if (lParam & PRF_CHILDREN) {
        for (Window* c : std::vector(w.children_)) {
          if (!c->isVisible()) continue;
          Canvas::StateSaver childSaver(*canvas);
          canvas->translate(c->bounds_.left, c->bounds_.top);
          canvas->intersectClip(Rect::fromSize(0, 0, c->bounds_.width(), c->bounds_.height()));
          send(*c, WM_PRINT, wParam, lParam);
        }
      }
      return 0;
    }
    default:
      return 0;
  }
}

}  // namespace tavra
