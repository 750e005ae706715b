#include "skin/manager/SkinApplicationWindow.h"

#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/TsSkinManager.h"
#include "winsys/WindowSystem.h"

namespace tavra {

SkinApplicationWindow::SkinApplicationWindow(TsSkinManager& manager) : manager_(manager) {
  WindowParams params;
  params.className = "TApplication";
  params.style = WS_POPUP;
  params.proc = [this](Window& w, MessageId msg, WParam wParam, LParam lParam) { return handle(w, msg, wParam, lParam); };
  window_ = WindowSystem::instance().createWindow(params);
}

SkinApplicationWindow::~SkinApplicationWindow() {
  if (window_) window_->setProc(nullptr);
}

LResult SkinApplicationWindow::handle(Window& window, MessageId msg, WParam wParam, LParam lParam) {
  switch (msg) {
    case kMenuItemDrawnMessage:
    case kMenuPopupMessage: {
      SkinMenuSkinner* skinner = manager_.menuSkinner();
      if (!manager_.skinnedPopups() || !skinner) return 0;
      Window* popup = msg == kMenuItemDrawnMessage ? skinner->popupWindowOfItem(lParam)
                                                   : WindowSystem::instance().find(static_cast<WindowHandle>(lParam));
      if (popup) skinner->takePopupWindow(*popup);
      return 0;
    }
    case WM_THEMECHANGED:
      return 0;
    default:
      return WindowSystem::instance().defWindowProc(window, msg, wParam, lParam);
  }
}

}  // namespace tavra
