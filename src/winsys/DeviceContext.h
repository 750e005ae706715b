#pragma once
// Drawing on a window outside and inside its paint handler: the device context and what
// beginPaint hands out. The window system makes both (see WindowSystem.h).
#include <memory>

#include "gfx/Canvas.h"

namespace tavra {

class Window;
class WindowSystem;

// A device context on a window: a canvas on its top-level window's backing bitmap, with the
// origin at the client (or window) top-left and clipped to the visible part. What is drawn is
// shown on the display when the context ends.
class DeviceContext {
 public:
  ~DeviceContext();
  DeviceContext(const DeviceContext&) = delete;
  DeviceContext& operator=(const DeviceContext&) = delete;
  Canvas& canvas() { return *canvas_; }
  Window& window() { return window_; }

 private:
  friend class WindowSystem;
  DeviceContext(WindowSystem& system, Window& window, bool wholeWindow, const Region* limit);
  WindowSystem& system_;
  Window& window_;
  Region deviceVisible_;
  std::unique_ptr<Canvas> canvas_;
};

// What a paint handler gets from beginPaint: the context clipped to the update region, the
// rectangle to paint (client coordinates) and whether the background was left unerased.
struct PaintScope {
  std::unique_ptr<DeviceContext> dc;
  Rect paintRect;
  bool eraseFailed = false;
  Canvas& canvas() { return dc->canvas(); }
};

}  // namespace tavra
