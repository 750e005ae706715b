#pragma once
// The parent's background as the skin painters see it: the parent's composed bitmap with the
// position in it of the point (0, 0) of the area being painted, or, when the parent has no
// bitmap to show, its colour (clFuchsia when even that is unknown).
#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace tavra {

struct TsCacheView {
  const tavra::Bitmap* Bitmap = nullptr;
  int X = 0;
  int Y = 0;
  Color FillColor = 0;
  bool Ready = false;

  // The view moved by (dx, dy): the same background for an area that lies (dx, dy) further.
  TsCacheView offsetBy(int dx, int dy) const {
    TsCacheView v = *this;
    v.X += dx;
    v.Y += dy;
    return v;
  }
  // The bitmap's pixel under the painted point (x, y), or null outside it or without a bitmap.
  const Pixel* pixelAt(int x, int y) const {
    if (!Ready || !Bitmap) return nullptr;
    const int px = X + x;
    const int py = Y + y;
    if (px < 0 || py < 0 || px >= Bitmap->width() || py >= Bitmap->height()) return nullptr;
    return Bitmap->row(py) + px;
  }
};

}  // namespace tavra
