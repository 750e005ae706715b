#include "gfx/Raster.h"

namespace tavra::raster {

Span roundRectRow(const Rect& r, int ellipseWidth, int ellipseHeight, int y) {
  if (r.isEmpty() || y < r.top || y >= r.bottom) return {};
  const int ew = std::clamp(ellipseWidth, 0, r.width());
  const int eh = std::clamp(ellipseHeight, 0, r.height());
  if (ew < 2 || eh < 2) return {r.left, r.right};
  const double rx = ew / 2.0, ry = eh / 2.0;
  const double yc = y + 0.5;
  const double topCentre = r.top + ry, bottomCentre = r.bottom - ry;
  double dy = 0;
  if (yc < topCentre) dy = (topCentre - yc) / ry;
  else if (yc > bottomCentre) dy = (yc - bottomCentre) / ry;
  const double inset = rx * (1.0 - std::sqrt(std::max(0.0, 1.0 - dy * dy)));
  const int x0 = static_cast<int>(std::ceil(r.left + inset - 0.5));
  const int x1 = static_cast<int>(std::floor(r.right - inset - 0.5)) + 1;
  return {x0, std::max(x0, x1)};
}

std::vector<Span> roundRectOutlineRow(const Rect& r, int ellipseWidth, int ellipseHeight, int width, int y) {
  Span outer = roundRectRow(r, ellipseWidth, ellipseHeight, y);
  if (outer.isEmpty()) return {};
  width = std::max(width, 1);
  Span inner{outer.x0 + width, outer.x1 - width};
  for (int k = -width; k <= width && !inner.isEmpty(); ++k) {
    if (k == 0) continue;
    Span s = roundRectRow(r, ellipseWidth, ellipseHeight, y + k);
    inner = {std::max(inner.x0, s.x0), std::min(inner.x1, s.x1)};
  }
  if (inner.isEmpty()) return {outer};
  std::vector<Span> out;
  if (inner.x0 > outer.x0) out.push_back({outer.x0, inner.x0});
  if (outer.x1 > inner.x1) out.push_back({inner.x1, outer.x1});
  return out;
}

TriangleEdges::TriangleEdges(const Point (&p)[3]) : v{p[0], p[1], p[2]} {
  minY = std::min({p[0].y, p[1].y, p[2].y});
  maxY = std::max({p[0].y, p[1].y, p[2].y});
}

Span TriangleEdges::row(int y) const {
  const double yc = y + 0.5;
  double xs[3];
  int n = 0;
  for (int i = 0; i < 3; ++i) {
    Point a = v[i], b = v[(i + 1) % 3];
    if (a.y == b.y) continue;
    if (a.y > b.y) std::swap(a, b);  // the same edge gives the same x in every triangle
    if (yc < a.y || yc >= b.y) continue;
    xs[n++] = a.x + (yc - a.y) * static_cast<double>(b.x - a.x) / (b.y - a.y);
  }
  if (n < 2) return {};
  double lo = std::min(xs[0], xs[1]), hi = std::max(xs[0], xs[1]);
  return {static_cast<int>(std::ceil(lo - 0.5)), static_cast<int>(std::ceil(hi - 0.5))};
}

}  // namespace tavra::raster
