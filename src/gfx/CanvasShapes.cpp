// Fills, lines and shapes of Canvas, rasterised directly into the bitmap's rows.
#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/Raster.h"

namespace tavra {
namespace {

constexpr int kMaxCoordinate = 1 << 20;  // keeps the exact triangle arithmetic within 64 bits

int clampCoordinate(int v) { return std::clamp(v, -kMaxCoordinate, kMaxCoordinate); }

long long floorDiv(long long a, long long b) {  // b > 0
  long long q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace

void Canvas::fillSpans(const std::vector<Rect>& clips, int y, int x0, int x1, Pixel p) {
  for (const Rect& c : clips) {
    if (y < c.top || y >= c.bottom) continue;
    int a = std::max(x0, c.left), b = std::min(x1, c.right);
    if (a < b) std::fill(target_.row(y) + a, target_.row(y) + b, p);
  }
}

void Canvas::fillDeviceRect(const Rect& device, Pixel p, const Rect* extraDeviceClip) {
  if (device.isEmpty()) return;
  beginPixels();
  for (const Rect& clip : clipRects(extraDeviceClip)) {
    Rect c = device.intersected(clip);
    for (int y = c.top; y < c.bottom; ++y) std::fill(target_.row(y) + c.left, target_.row(y) + c.right, p);
  }
  endPixels();
}

void Canvas::fillRect(const Rect& r, Color c) { fillDeviceRect(r.offsetBy(state_.origin), solidPixel(c)); }

void Canvas::frameRect(const Rect& r, Color c, int thickness) {
  if (r.isEmpty()) return;
  const int t = std::max(thickness, 1);
  if (2 * t >= r.width() || 2 * t >= r.height()) {
    fillRect(r, c);
    return;
  }
  fillRect({r.left, r.top, r.right, r.top + t}, c);
  fillRect({r.left, r.bottom - t, r.right, r.bottom}, c);
  fillRect({r.left, r.top + t, r.left + t, r.bottom - t}, c);
  fillRect({r.right - t, r.top + t, r.right, r.bottom - t}, c);
}

void Canvas::drawLine(Point a, Point b, Color c, int width) {
  const Pixel p = solidPixel(c);
  const std::vector<Rect> clips = clipRects();
  const int w = std::max(width, 1);
  const int before = (w - 1) / 2;  // a wide pen is centred on the line
  a = a + state_.origin;
  b = b + state_.origin;
  a = {clampCoordinate(a.x), clampCoordinate(a.y)};
  b = {clampCoordinate(b.x), clampCoordinate(b.y)};
  const Rect reach = target_.bounds().inflatedBy(w, w);
  beginPixels();
  raster::line(a, b, [&](int x, int y) {
    if (!reach.contains(Point{x, y})) return;
    for (int k = 0; k < w; ++k) fillSpans(clips, y - before + k, x - before, x - before + w, p);
  });
  endPixels();
}

void Canvas::drawPolyline(std::span<const Point> points, Color c, int width) {
  for (size_t i = 0; i + 1 < points.size(); ++i) drawLine(points[i], points[i + 1], c, width);
}

void Canvas::fillPolygon(std::span<const Point> points, Color c) {
  std::vector<Point> device(points.begin(), points.end());
  for (Point& p : device) p = {clampCoordinate(p.x + state_.origin.x), clampCoordinate(p.y + state_.origin.y)};
  const Pixel p = solidPixel(c);
  const std::vector<Rect> clips = clipRects();
  const Rect bounds = target_.bounds();
  beginPixels();
  raster::polygon(device, [&](int y, int x0, int x1) {
    if (y >= bounds.top && y < bounds.bottom) fillSpans(clips, y, x0, x1, p);
  });
  endPixels();
}

void Canvas::fillRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Color c) {
  const Rect d = r.offsetBy(state_.origin);
  const Rect rows = d.intersected(target_.bounds());
  if (rows.isEmpty()) return;
  const Pixel p = solidPixel(c);
  const std::vector<Rect> clips = clipRects();
  beginPixels();
  for (int y = rows.top; y < rows.bottom; ++y) {
    raster::Span s = raster::roundRectRow(d, ellipseWidth, ellipseHeight, y);
    if (!s.isEmpty()) fillSpans(clips, y, s.x0, s.x1, p);
  }
  endPixels();
}

void Canvas::frameRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Color c, int width) {
  const Rect d = r.offsetBy(state_.origin);
  const Rect rows = d.intersected(target_.bounds());
  if (rows.isEmpty()) return;
  const Pixel p = solidPixel(c);
  const std::vector<Rect> clips = clipRects();
  beginPixels();
  for (int y = rows.top; y < rows.bottom; ++y) {
    for (const raster::Span& s : raster::roundRectOutlineRow(d, ellipseWidth, ellipseHeight, width, y)) {
      fillSpans(clips, y, s.x0, s.x1, p);
    }
  }
  endPixels();
}

void Canvas::fillEllipse(const Rect& r, Color c) { fillRoundRect(r, r.width(), r.height(), c); }

void Canvas::frameEllipse(const Rect& r, Color c, int width) { frameRoundRect(r, r.width(), r.height(), c, width); }

void Canvas::gradientFillTriangles(std::span<const TriVertex> vertices, std::span<const std::array<int, 3>> triangles) {
  const bool withAlpha = target_.format() == PixelFormat::Bits32;
  const std::vector<Rect> clips = clipRects();
  if (clips.empty()) return;
  const Rect clipBounds = state_.clip.bounds();
  beginPixels();
  for (const std::array<int, 3>& t : triangles) {
    if (std::any_of(t.begin(), t.end(), [&](int i) { return i < 0 || static_cast<size_t>(i) >= vertices.size(); })) continue;
    const TriVertex* v[3] = {&vertices[static_cast<size_t>(t[0])], &vertices[static_cast<size_t>(t[1])], &vertices[static_cast<size_t>(t[2])]};
    Point p[3];
    for (int i = 0; i < 3; ++i) p[i] = {clampCoordinate(v[i]->x + state_.origin.x), clampCoordinate(v[i]->y + state_.origin.y)};
    // Barycentric weights of vertices 1 and 2 at pixel (x, y), as exact numerators over det:
    //   n1 = (x - x0)(y2 - y0) - (x2 - x0)(y - y0),  n2 = (x1 - x0)(y - y0) - (x - x0)(y1 - y0)
    const long long x0 = p[0].x, y0 = p[0].y;
    const long long e1x = p[1].x - x0, e1y = p[1].y - y0, e2x = p[2].x - x0, e2y = p[2].y - y0;
    long long det = e1x * e2y - e2x * e1y;
    if (det == 0) continue;
    long long sign = det < 0 ? -1 : 1;
    det *= sign;
    // Channel c at a pixel is c0 + floor(((c1 - c0) n1 + (c2 - c0) n2) / det).
    long long base[4], d1[4], d2[4];
    const std::uint16_t TriVertex::*fields[4] = {&TriVertex::blue, &TriVertex::green, &TriVertex::red, &TriVertex::alpha};
    for (int k = 0; k < 4; ++k) {
      base[k] = v[0]->*fields[k];
      d1[k] = (static_cast<long long>(v[1]->*fields[k]) - base[k]) * sign;
      d2[k] = (static_cast<long long>(v[2]->*fields[k]) - base[k]) * sign;
    }
    const raster::TriangleEdges edges(p);
    const int top = std::max(edges.minY, clipBounds.top), bottom = std::min(edges.maxY, clipBounds.bottom);
    for (int y = top; y < bottom; ++y) {
      const raster::Span span = edges.row(y);
      if (span.isEmpty()) continue;
      for (const Rect& c : clips) {
        if (y < c.top || y >= c.bottom) continue;
        const int a = std::max(span.x0, c.left), b = std::min(span.x1, c.right);
        if (a >= b) continue;
        const long long n1 = (a - x0) * e2y - e2x * (y - y0);
        const long long n2 = e1x * (y - y0) - (a - x0) * e1y;
        // Each channel's numerator grows by a constant per pixel; quotient and remainder are
        // stepped exactly, so no division is needed inside the row.
        long long q[4], r[4], dq[4], dr[4];
        for (int k = 0; k < 4; ++k) {
          const long long value = d1[k] * n1 + d2[k] * n2, step = d1[k] * e2y - d2[k] * e1y;
          q[k] = floorDiv(value, det);
          r[k] = value - q[k] * det;
          dq[k] = floorDiv(step, det);
          dr[k] = step - dq[k] * det;
        }
        Pixel* out = target_.row(y);
        for (int x = a; x < b; ++x) {
          Pixel px = 0;
          for (int k = 0; k < 4; ++k) {
            px |= static_cast<Pixel>(std::clamp<long long>(base[k] + q[k], 0, 0xFFFF) >> 8) << (8 * k);
            q[k] += dq[k];
            r[k] += dr[k];
            if (r[k] >= det) {
              r[k] -= det;
              ++q[k];
            }
          }
          out[x] = withAlpha ? px : (px | 0xFF000000u);
        }
      }
    }
  }
  endPixels();
}

void Canvas::gradientFillRect(const Rect& r, Color from, Color to, GradientDirection direction) {
  const bool vertical = direction == GradientDirection::Vertical;
  const Rect d = r.offsetBy(state_.origin);
  if (d.isEmpty()) return;
  const Color c0 = resolveColor(from), c1 = resolveColor(to);
  const int steps = vertical ? d.height() : d.width();
  // Channel at step i of n: c0 + (c1 - c0) * i / n, in 16-bit channels as the platform does.
  auto pixelAt = [&](int i) {
    auto mix = [&](int a, int b) {
      long long v = (a << 8) + static_cast<long long>((b - a) << 8) * i / steps;
      return static_cast<int>(v >> 8);
    };
    return pixelFromColor(rgb(mix(redOf(c0), redOf(c1)), mix(greenOf(c0), greenOf(c1)), mix(blueOf(c0), blueOf(c1))));
  };
  beginPixels();
  const std::vector<Rect> clips = clipRects();
  if (vertical) {
    for (int y = std::max(d.top, 0); y < std::min(d.bottom, target_.height()); ++y) fillSpans(clips, y, d.left, d.right, pixelAt(y - d.top));
  } else {
    const Rect visible = d.intersected(target_.bounds());
    std::vector<Pixel> row(static_cast<size_t>(std::max(visible.width(), 0)));
    for (int x = visible.left; x < visible.right; ++x) row[static_cast<size_t>(x - visible.left)] = pixelAt(x - d.left);
    for (const Rect& clip : clips) {
      Rect c = visible.intersected(clip);
      for (int y = c.top; y < c.bottom; ++y) {
        std::copy(row.begin() + (c.left - visible.left), row.begin() + (c.right - visible.left), target_.row(y) + c.left);
      }
    }
  }
  endPixels();
}

}  // namespace tavra
