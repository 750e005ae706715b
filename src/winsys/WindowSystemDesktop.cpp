// The desktop's view of the program: its identity, the window carrying the taskbar entry and the
// splash window.
#include "winsys/WindowSystem.h"

#include <utility>
#include <vector>

namespace tavra {

void WindowSystem::setDesktopIdentity(DesktopIdentity identity) {
  identity_ = std::move(identity);
  backend_->desktopRolesChanged(*this);
}

void WindowSystem::setTaskbarWindows(const std::vector<Window*>& windows) {
  taskbarWindows_.clear();
  for (Window* w : windows) {
    if (w) taskbarWindows_.push_back(w->topLevel().handle());
  }
  backend_->desktopRolesChanged(*this);
}

void WindowSystem::setSplashWindow(Window* w) {
  splashWindow_ = w ? w->topLevel().handle() : 0;
  backend_->desktopRolesChanged(*this);
}

Window* WindowSystem::taskbarEntryWindow() const {
  for (WindowHandle handle : taskbarWindows_) {
    Window* w = find(handle);
    if (w && w->isVisible()) return w;
  }
  return nullptr;
}

}  // namespace tavra
