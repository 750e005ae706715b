#include "skin/frames/ScreenSnap.h"

#include <cstdlib>

namespace tavra {

Rect snapToWorkArea(const Rect& window, const Rect& work, int buffer) {
  const int w = window.width();
  const int h = window.height();
  int x = window.left;
  int y = window.top;
  if (std::abs(x + w - work.right) < buffer) x = work.right - w;
  if (std::abs(y + h - work.bottom) < buffer) y = work.bottom - h;
  if (std::abs(x - work.left) < buffer) x = work.left;
  if (std::abs(y - work.top) < buffer) y = work.top;
  return Rect::fromSize(x, y, w, h);
}

}  // namespace tavra
