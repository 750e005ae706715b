#pragma once
// Where minimised windows go when the display keeps no place for them (no window manager): as
// the platform does without a taskbar, each becomes a small captioned bar at the bottom left of
// the screen, laid out left to right in the order of minimising. A click on the bar's caption or
// its restore button brings the window back; its close button closes the window.
#include <memory>
#include <vector>

#include "winsys/Window.h"

namespace tavra {

class WindowSystem;

class MinimizedBars {
 public:
  static constexpr int kBarWidth = 160;

  explicit MinimizedBars(WindowSystem& system) : system_(system) {}
  ~MinimizedBars();
  MinimizedBars(const MinimizedBars&) = delete;
  MinimizedBars& operator=(const MinimizedBars&) = delete;

  // Shows a bar for a window that was just minimised.
  void add(Window& minimized);
  // The window was restored, hidden or destroyed: its bar goes and the others close up.
  void remove(WindowHandle minimized);
  // The bar standing for a minimised window, if it has one.
  Window* barOf(WindowHandle minimized) const;

 private:
  struct Bar {
    WindowHandle owner = 0;
    std::unique_ptr<Window> window;
  };

  LResult barProc(Window& bar, WindowHandle owner, MessageId msg, WParam wParam, LParam lParam);
  void layout();
  Rect slot(std::size_t index) const;

  WindowSystem& system_;
  std::vector<Bar> bars_;
};

}  // namespace tavra
