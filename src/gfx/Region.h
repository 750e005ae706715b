#pragma once
// A set of pixels as a union of rectangles (pixman regions), with value semantics; a move takes
// the rectangles over without copying them and leaves the source empty.
#include <pixman.h>

#include <vector>

#include "base/Geometry.h"

namespace tavra {

class Region {
 public:
  Region();
  explicit Region(const Rect& r);
  Region(const Region& other);
  Region(Region&& other) noexcept;
  Region& operator=(const Region& other);
  Region& operator=(Region&& other) noexcept;
  ~Region();

  bool isEmpty() const;
  Rect bounds() const;
  std::vector<Rect> rects() const;
  bool contains(Point p) const;
  bool intersects(const Rect& r) const;

  Region& unite(const Region& other);
  Region& unite(const Rect& r);
  Region& intersect(const Region& other);
  Region& intersect(const Rect& r);
  Region& subtract(const Region& other);
  Region& subtract(const Rect& r);
  Region& translate(int dx, int dy);
  void clear();

  Region united(const Region& o) const { Region r(*this); r.unite(o); return r; }
  Region intersected(const Region& o) const { Region r(*this); r.intersect(o); return r; }
  Region intersected(const Rect& o) const { Region r(*this); r.intersect(o); return r; }
  Region subtracted(const Region& o) const { Region r(*this); r.subtract(o); return r; }
  Region translated(int dx, int dy) const { Region r(*this); r.translate(dx, dy); return r; }

  friend bool operator==(const Region& a, const Region& b);

  pixman_region32_t* raw() { return &region_; }
  const pixman_region32_t* raw() const { return &region_; }

 private:
  pixman_region32_t region_;
};

}  // namespace tavra
