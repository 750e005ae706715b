#include "skin/controls/FrameBand.h"

#include "framework/core/WinControl.h"
#include "winsys/WindowSystem.h"

namespace tavra {

Point ClientOffsetIn(const TWinControl& control) {
  const Window* w = control.window();
  return w ? w->clientRect().topLeft() : Point{0, 0};
}

void PaintFrameBand(TWinControl& control, const Bitmap& picture) {
  Window* w = control.window();
  if (!w || picture.isEmpty()) return;
  const Rect whole = Rect::fromSize(0, 0, w->bounds().width(), w->bounds().height());
  if (w->clientRect() == whole) return;
  auto dc = WindowSystem::instance().getWindowDC(*w);
  Canvas& c = dc->canvas();
  c.excludeClip(w->clientRect());
  c.drawBitmap({0, 0}, picture);
}

}  // namespace tavra
