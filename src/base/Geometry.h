#pragma once
// Points, sizes and rectangles with the platform's rectangle rules: a rectangle holds the
// pixels from (left, top) up to but not including (right, bottom).
#include <algorithm>

namespace tavra {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
  Point operator+(Point o) const { return {x + o.x, y + o.y}; }
  Point operator-(Point o) const { return {x - o.x, y - o.y}; }
};

struct Size {
  int width = 0;
  int height = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  static constexpr Rect fromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  static constexpr Rect fromSize(Point p, Size s) { return {p.x, p.y, p.x + s.width, p.y + s.height}; }

  friend bool operator==(const Rect&, const Rect&) = default;

  constexpr int width() const { return right - left; }
  constexpr int height() const { return bottom - top; }
  constexpr Size size() const { return {width(), height()}; }
  constexpr Point topLeft() const { return {left, top}; }
  // Empty when it holds no pixel: zero or negative width or height.
  constexpr bool isEmpty() const { return right <= left || bottom <= top; }
  constexpr bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  constexpr bool contains(const Rect& r) const {
    return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
  }

  constexpr Rect offsetBy(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr Rect offsetBy(Point p) const { return offsetBy(p.x, p.y); }
  constexpr Rect inflatedBy(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  constexpr Rect movedTo(Point p) const { return fromSize(p.x, p.y, width(), height()); }

  // Intersection; an empty result is returned as the empty rectangle (0, 0, 0, 0).
  constexpr Rect intersected(const Rect& o) const {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.isEmpty() ? Rect{} : r;
  }
  constexpr bool intersects(const Rect& o) const { return !intersected(o).isEmpty(); }
  // Smallest rectangle holding both; an empty operand does not count.
  constexpr Rect united(const Rect& o) const {
    if (isEmpty()) return o;
    if (o.isEmpty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
  }
};

}  // namespace tavra
