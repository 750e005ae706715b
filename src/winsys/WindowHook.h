#pragma once
// A hook on the window system: called when a window is created or activated.
#include <functional>

namespace tavra {

class Window;

// Observes window creation and activation before they take effect (the skin manager's hook).
struct WindowHook {
  std::function<void(Window&)> onCreate;
  std::function<void(Window&)> onActivate;
};

}  // namespace tavra
