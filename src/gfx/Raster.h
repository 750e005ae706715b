#pragma once
// Pixel-exact rasterising of the canvas' shapes into horizontal spans, the way the platform's
// device context draws them without antialiasing: a pixel belongs to a filled shape when its
// centre lies inside, rectangles hold [left, right) × [top, bottom), and lines leave out their
// end point.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "base/Geometry.h"

namespace tavra::raster {

// A half-open run of pixels [x0, x1) on one row.
struct Span {
  int x0 = 0;
  int x1 = 0;
  bool isEmpty() const { return x1 <= x0; }
};

// The pixels of a line from a to b, b excluded (Bresenham).
template <typename Plot>
void line(Point a, Point b, Plot&& plot) {
  int x = a.x, y = a.y;
  const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
  const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
  long long err = static_cast<long long>(dx) + dy;
  while (x != b.x || y != b.y) {
    plot(x, y);
    long long e2 = 2 * err;
    if (e2 >= dy) { err += dy; x += sx; }
    if (e2 <= dx) { err += dx; y += sy; }
  }
}

// The span of row y of a rectangle with elliptic corners of the given diameters (an ellipse
// when they equal the rectangle's size).
Span roundRectRow(const Rect& r, int ellipseWidth, int ellipseHeight, int y);

// The spans of a round rectangle's outline `width` pixels thick on row y: the row of the filled
// shape less the pixels whose neighbours up to `width` away (across and along) are all inside.
std::vector<Span> roundRectOutlineRow(const Rect& r, int ellipseWidth, int ellipseHeight, int width, int y);

// Calls fill(y, x0, x1) for every run of a polygon filled with the alternate (even-odd) rule.
template <typename Fill>
void polygon(std::span<const Point> points, Fill&& fill) {
  if (points.size() < 3) return;
  int minY = points[0].y, maxY = points[0].y;
  for (const Point& p : points) { minY = std::min(minY, p.y); maxY = std::max(maxY, p.y); }
  std::vector<double> xs;
  for (int y = minY; y < maxY; ++y) {
    const double yc = y + 0.5;
    xs.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      Point a = points[i], b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      if (a.y > b.y) std::swap(a, b);
      if (yc < a.y || yc >= b.y) continue;
      xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      int x0 = static_cast<int>(std::ceil(xs[i] - 0.5));
      int x1 = static_cast<int>(std::ceil(xs[i + 1] - 0.5));
      if (x1 > x0) fill(y, x0, x1);
    }
  }
}

// Row range and span of a triangle at row y (pixel centres inside, half-open on the right and
// bottom so that triangles sharing an edge do not overlap).
struct TriangleEdges {
  Point v[3];
  int minY = 0;
  int maxY = 0;
  explicit TriangleEdges(const Point (&p)[3]);
  Span row(int y) const;
};

}  // namespace tavra::raster
