#include "gfx/Region.h"

#include <utility>

namespace tavra {
namespace {

pixman_box32_t boxOf(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

Region::Region() { pixman_region32_init(&region_); }

Region::Region(const Rect& r) {
  if (r.isEmpty()) {
    pixman_region32_init(&region_);
  } else {
    pixman_region32_init_rect(&region_, r.left, r.top, static_cast<unsigned>(r.width()), static_cast<unsigned>(r.height()));
  }
}

Region::Region(const Region& other) {
  pixman_region32_init(&region_);
  pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(&other.region_));
}

Region::Region(Region&& other) noexcept : region_(other.region_) {
  // The pixman record holds no pointer into itself: taking it over and giving the source a fresh
  // empty one moves the rectangles without copying them.
  pixman_region32_init(&other.region_);
}

Region& Region::operator=(const Region& other) {
  if (this != &other) pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(&other.region_));
  return *this;
}

Region& Region::operator=(Region&& other) noexcept {
  std::swap(region_, other.region_);
  return *this;
}

Region::~Region() { pixman_region32_fini(&region_); }

bool Region::isEmpty() const { return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(&region_)); }

Rect Region::bounds() const {
  if (isEmpty()) return {};
  const pixman_box32_t* b = pixman_region32_extents(const_cast<pixman_region32_t*>(&region_));
  return {b->x1, b->y1, b->x2, b->y2};
}

std::vector<Rect> Region::rects() const {
  int n = 0;
  const pixman_box32_t* boxes = pixman_region32_rectangles(const_cast<pixman_region32_t*>(&region_), &n);
  std::vector<Rect> out;
  out.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) out.push_back({boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
  return out;
}

bool Region::contains(Point p) const {
  return pixman_region32_contains_point(const_cast<pixman_region32_t*>(&region_), p.x, p.y, nullptr);
}

bool Region::intersects(const Rect& r) const {
  if (r.isEmpty()) return false;
  pixman_box32_t box = boxOf(r);
  return pixman_region32_contains_rectangle(const_cast<pixman_region32_t*>(&region_), &box) != PIXMAN_REGION_OUT;
}

Region& Region::unite(const Region& other) {
  pixman_region32_union(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
  return *this;
}

Region& Region::unite(const Rect& r) {
  if (!r.isEmpty()) pixman_region32_union_rect(&region_, &region_, r.left, r.top, static_cast<unsigned>(r.width()), static_cast<unsigned>(r.height()));
  return *this;
}

Region& Region::intersect(const Region& other) {
  pixman_region32_intersect(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
  return *this;
}

Region& Region::intersect(const Rect& r) {
  if (r.isEmpty()) {
    clear();
    return *this;
  }
  pixman_region32_intersect_rect(&region_, &region_, r.left, r.top, static_cast<unsigned>(r.width()), static_cast<unsigned>(r.height()));
  return *this;
}

Region& Region::subtract(const Region& other) {
  pixman_region32_subtract(&region_, &region_, const_cast<pixman_region32_t*>(&other.region_));
  return *this;
}

Region& Region::subtract(const Rect& r) { return subtract(Region(r)); }

Region& Region::translate(int dx, int dy) {
  pixman_region32_translate(&region_, dx, dy);
  return *this;
}

void Region::clear() {
  pixman_region32_fini(&region_);
  pixman_region32_init(&region_);
}

bool operator==(const Region& a, const Region& b) {
  return pixman_region32_equal(const_cast<pixman_region32_t*>(&a.region_), const_cast<pixman_region32_t*>(&b.region_));
}

}  // namespace tavra
