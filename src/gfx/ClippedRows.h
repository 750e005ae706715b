#pragma once
// The pixels of a bitmap that drawing may change, row by row: the bitmap within a clip region
// (device coordinates), addressed in logical coordinates (device = logical + origin). A canvas
// hands out its target this way (the visible region of the window being painted, children and
// frame excluded), so pixel loops over it never write outside; a plain bitmap is its whole self.
#include <algorithm>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"

namespace tavra {

class ClippedRows {
 public:
  // The whole bitmap, logical = device.
  ClippedRows(Bitmap& bitmap);  // NOLINT(google-explicit-constructor): a bitmap is a target as it is
  // The bitmap within `deviceClip` (cut to the bitmap), logical (0, 0) at device `origin`.
  ClippedRows(Bitmap& bitmap, const Region& deviceClip, Point origin);

  Bitmap& bitmap() const { return *bitmap_; }
  Point origin() const { return origin_; }
  // The bounds of the writable pixels, logical.
  Rect clipBox() const;
  bool isVisible(const Rect& logical) const;
  // Whether the logical point may be written.
  bool contains(Point logical) const;

  // The same pixels with logical (0, 0) moved to logical `p` of this view.
  ClippedRows translated(Point p) const;
  // The same pixels cut to a logical rectangle.
  ClippedRows restrictedTo(const Rect& logical) const;

  // Calls fn(y, x0, x1, row) for every run [x0, x1) of row y of the logical rectangle `r` that may
  // be written; `row` points at the pixel of logical (x0, y). Runs never overlap.
  template <typename Fn>
  void forEachSpan(const Rect& r, Fn&& fn) const {
    const Rect device = r.offsetBy(origin_);
    if (device.isEmpty()) return;
    for (const Rect& clip : rects_) {
      const Rect d = device.intersected(clip);
      if (d.isEmpty()) continue;
      for (int y = d.top; y < d.bottom; ++y) {
        fn(y - origin_.y, d.left - origin_.x, d.right - origin_.x, bitmap_->row(y) + d.left);
      }
    }
  }

 private:
  Bitmap* bitmap_;
  std::vector<Rect> rects_;  // device, within the bitmap, banded top to bottom
  Point origin_;
};

}  // namespace tavra
