#include "SwfStyles.h"

#include <algorithm>
#include <cmath>

namespace tavra::banner {
namespace {

std::int32_t fixed16(double v) { return static_cast<std::int32_t>(std::lround(v * 65536.0)); }

}  // namespace

void writeMatrix(SwfBitWriter& w, const Matrix& m) {
  w.align();
  bool hasScale = m.scaleX != 1 || m.scaleY != 1;
  w.ub(hasScale ? 1 : 0, 1);
  if (hasScale) {
    int bits = std::max(signedBitCount(fixed16(m.scaleX)), signedBitCount(fixed16(m.scaleY)));
    w.ub(static_cast<std::uint32_t>(bits), 5);
    w.sb(fixed16(m.scaleX), bits);
    w.sb(fixed16(m.scaleY), bits);
  }
  bool hasRotate = m.skew0 != 0 || m.skew1 != 0;
  w.ub(hasRotate ? 1 : 0, 1);
  if (hasRotate) {
    int bits = std::max(signedBitCount(fixed16(m.skew0)), signedBitCount(fixed16(m.skew1)));
    w.ub(static_cast<std::uint32_t>(bits), 5);
    w.sb(fixed16(m.skew0), bits);
    w.sb(fixed16(m.skew1), bits);
  }
  int bits = std::max(signedBitCount(m.tx), signedBitCount(m.ty));
  w.ub(static_cast<std::uint32_t>(bits), 5);
  w.sb(m.tx, bits);
  w.sb(m.ty, bits);
  w.align();
}

void writeColorTransformWithAlpha(SwfBitWriter& w, const ColorTransform& t) {
  w.align();
  bool hasAdd = t.add != std::array<int, 4>{0, 0, 0, 0};
  bool hasMult = t.mult != std::array<int, 4>{256, 256, 256, 256};
  w.ub(hasAdd ? 1 : 0, 1);
  w.ub(hasMult ? 1 : 0, 1);
  int bits = 1;
  for (std::size_t i = 0; i < 4; ++i) {
    if (hasMult) bits = std::max(bits, signedBitCount(t.mult[i]));
    if (hasAdd) bits = std::max(bits, signedBitCount(t.add[i]));
  }
  w.ub(static_cast<std::uint32_t>(bits), 4);
  if (hasMult) {
    for (int v : t.mult) w.sb(v, bits);
  }
  if (hasAdd) {
    for (int v : t.add) w.sb(v, bits);
  }
  w.align();
}

FillStyle FillStyle::gradient(FillKind kind, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                              std::vector<GradientStop> stops, double focalPoint) {
  FillStyle f;
  f.kind = kind;
  f.matrix = Matrix::scale((x1 - x0) / 32768.0, (y1 - y0) / 32768.0, (x0 + x1) / 2, (y0 + y1) / 2);
  f.stops = std::move(stops);
  f.focalPoint = focalPoint;
  return f;
}

void writeFillStyle(SwfBitWriter& w, const FillStyle& f, int shapeVersion) {
  w.u8(static_cast<std::uint8_t>(f.kind));
  if (f.kind == FillKind::Solid) {
    w.rgba(f.rgba);
    return;
  }
  writeMatrix(w, f.matrix);
  std::size_t limit = shapeVersion >= 4 ? 15 : 8;
  std::size_t count = std::min(f.stops.size(), limit);
  w.ub(0, 2);  // pad
  w.ub(0, 2);  // RGB interpolation
  w.ub(static_cast<std::uint32_t>(count), 4);
  for (std::size_t i = 0; i < count; ++i) {
    w.u8(f.stops[i].ratio);
    w.rgba(f.stops[i].rgba);
  }
  if (f.kind == FillKind::Focal) {
    auto focal = static_cast<std::int16_t>(std::lround(std::clamp(f.focalPoint, -1.0, 1.0) * 256));
    w.u16(static_cast<std::uint16_t>(focal));
  }
}

void writeLineStyle(SwfBitWriter& w, const LineStyle& l, int shapeVersion) {
  w.u16(l.width);
  if (shapeVersion < 4) {
    w.rgba(l.rgba);
    return;
  }
  w.ub(static_cast<std::uint32_t>(l.cap), 2);  // start cap
  w.ub(0, 2);                                  // round join
  w.ub(0, 1);                                  // no fill
  w.ub(0, 3);                                  // scaling strokes, no pixel hinting
  w.ub(0, 5);
  w.ub(0, 1);                                  // close
  w.ub(static_cast<std::uint32_t>(l.cap), 2);  // end cap
  w.rgba(l.rgba);
}

}  // namespace tavra::banner
