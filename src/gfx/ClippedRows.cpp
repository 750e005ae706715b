#include "gfx/ClippedRows.h"

namespace tavra {

ClippedRows::ClippedRows(Bitmap& bitmap) : bitmap_(&bitmap) {
  if (!bitmap.isEmpty()) rects_.push_back(bitmap.bounds());
}

ClippedRows::ClippedRows(Bitmap& bitmap, const Region& deviceClip, Point origin) : bitmap_(&bitmap), origin_(origin) {
  rects_ = deviceClip.intersected(bitmap.bounds()).rects();
}

Rect ClippedRows::clipBox() const {
  Rect box;
  for (const Rect& r : rects_) box = box.united(r);
  return box.isEmpty() ? Rect{} : box.offsetBy(-origin_.x, -origin_.y);
}

bool ClippedRows::isVisible(const Rect& logical) const {
  const Rect device = logical.offsetBy(origin_);
  return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.intersects(device); });
}

bool ClippedRows::contains(Point logical) const {
  const Point device = logical + origin_;
  return std::any_of(rects_.begin(), rects_.end(), [&](const Rect& r) { return r.contains(device); });
}

ClippedRows ClippedRows::translated(Point p) const {
  ClippedRows out = *this;
  out.origin_ = origin_ + p;
  return out;
}

ClippedRows ClippedRows::restrictedTo(const Rect& logical) const {
  ClippedRows out = *this;
  const Rect device = logical.offsetBy(origin_);
  out.rects_.clear();
  for (const Rect& r : rects_) {
    const Rect c = r.intersected(device);
    if (!c.isEmpty()) out.rects_.push_back(c);
  }
  return out;
}

}  // namespace tavra
