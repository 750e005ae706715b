#include "platform/banner/SwfRecordReader.h"

namespace tavra::swf {

SwfRect readRect(SwfReader& in) {
  in.align();
  int bits = static_cast<int>(in.ub(5));
  SwfRect r;
  r.xMin = in.sb(bits);
  r.xMax = in.sb(bits);
  r.yMin = in.sb(bits);
  r.yMax = in.sb(bits);
  in.align();
  return r;
}

SwfRgba readRgb(SwfReader& in) {
  SwfRgba c;
  c.r = in.u8();
  c.g = in.u8();
  c.b = in.u8();
  return c;
}

SwfRgba readRgba(SwfReader& in) {
  SwfRgba c = readRgb(in);
  c.a = in.u8();
  return c;
}

SwfMatrix readMatrix(SwfReader& in) {
  in.align();
  SwfMatrix m;
  if (in.ub(1) != 0) {
    int bits = static_cast<int>(in.ub(5));
    m.scaleX = in.fb(bits);
    m.scaleY = in.fb(bits);
  }
  if (in.ub(1) != 0) {
    int bits = static_cast<int>(in.ub(5));
    m.skew0 = in.fb(bits);
    m.skew1 = in.fb(bits);
  }
  int bits = static_cast<int>(in.ub(5));
  m.tx = in.sb(bits);
  m.ty = in.sb(bits);
  in.align();
  return m;
}

SwfColorTransform readColorTransform(SwfReader& in, bool withAlpha) {
  in.align();
  SwfColorTransform t;
  bool hasAdd = in.ub(1) != 0;
  bool hasMult = in.ub(1) != 0;
  int bits = static_cast<int>(in.ub(4));
  int channels = withAlpha ? 4 : 3;
  if (hasMult) {
    for (int i = 0; i < channels; ++i) t.mult[static_cast<size_t>(i)] = in.sb(bits);
  }
  if (hasAdd) {
    for (int i = 0; i < channels; ++i) t.add[static_cast<size_t>(i)] = in.sb(bits);
  }
  in.align();
  return t;
}

std::optional<SwfGradient> readGradient(SwfReader& in, int shapeVersion, bool focal) {
  in.align();
  SwfGradient g;
  switch (in.ub(2)) {
    case 1: g.spread = SwfSpread::Reflect; break;
    case 2: g.spread = SwfSpread::Repeat; break;
    default: g.spread = SwfSpread::Pad; break;
  }
  g.interpolation = in.ub(2) == 1 ? SwfInterpolation::LinearRgb : SwfInterpolation::Rgb;
  // Older shape versions are documented with at most 8 stops, but movies hold more and the
  // 4-bit count says how many follow: read them all.
  unsigned count = in.ub(4);
  for (unsigned i = 0; i < count && in.ok(); ++i) {
    SwfGradientStop stop;
    stop.ratio = in.u8();
    stop.color = shapeVersion >= 3 ? readRgba(in) : readRgb(in);
    g.stops.push_back(stop);
  }
  if (focal) g.focalPoint = std::clamp(static_cast<double>(in.s16()) / 256.0, -1.0, 1.0);
  if (!in.ok()) return std::nullopt;
  return g;
}

std::optional<SwfFillStyle> readFillStyle(SwfReader& in, int shapeVersion) {
  SwfFillStyle f;
  std::uint8_t type = in.u8();
  switch (type) {
    case 0x00:
      f.kind = SwfFillKind::Solid;
      f.color = shapeVersion >= 3 ? readRgba(in) : readRgb(in);
      break;
    case 0x10:
    case 0x12:
    case 0x13: {
      f.kind = type == 0x10 ? SwfFillKind::Linear : type == 0x12 ? SwfFillKind::Radial : SwfFillKind::Focal;
      f.matrix = readMatrix(in);
      auto g = readGradient(in, shapeVersion, type == 0x13);
      if (!g) return std::nullopt;
      f.gradient = std::move(*g);
      break;
    }
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
      f.kind = SwfFillKind::Bitmap;
      (void)in.u16();
      f.matrix = readMatrix(in);
      break;
    default:
      return std::nullopt;
  }
  if (!in.ok()) return std::nullopt;
  return f;
}

namespace {

std::size_t readStyleCount(SwfReader& in, int shapeVersion) {
  std::size_t count = in.u8();
  if (count == 0xFF && shapeVersion >= 2) count = in.u16();
  return count;
}

SwfCap capFrom(std::uint32_t v) { return v == 1 ? SwfCap::None : v == 2 ? SwfCap::Square : SwfCap::Round; }

}  // namespace

std::optional<std::vector<SwfFillStyle>> readFillStyles(SwfReader& in, int shapeVersion) {
  std::size_t count = readStyleCount(in, shapeVersion);
  std::vector<SwfFillStyle> styles;
  // A fill style takes at least 4 bytes: reserve no more than the data can hold.
  styles.reserve(std::min(count, in.remaining() / 4));
  for (std::size_t i = 0; i < count; ++i) {
    auto f = readFillStyle(in, shapeVersion);
    if (!f) return std::nullopt;
    styles.push_back(std::move(*f));
  }
  if (!in.ok()) return std::nullopt;
  return styles;
}

std::optional<std::vector<SwfLineStyle>> readLineStyles(SwfReader& in, int shapeVersion) {
  std::size_t count = readStyleCount(in, shapeVersion);
  std::vector<SwfLineStyle> styles;
  styles.reserve(std::min(count, in.remaining() / 5));
  for (std::size_t i = 0; i < count; ++i) {
    SwfLineStyle s;
    s.width = in.u16();
    if (shapeVersion < 4) {
      s.color = shapeVersion == 3 ? readRgba(in) : readRgb(in);
    } else {
      s.startCap = capFrom(in.ub(2));
      std::uint32_t join = in.ub(2);
      s.join = join == 1 ? SwfJoin::Bevel : join == 2 ? SwfJoin::Miter : SwfJoin::Round;
      s.hasFill = in.ub(1) != 0;
      s.noHScale = in.ub(1) != 0;
      s.noVScale = in.ub(1) != 0;
      in.ub(1);  // pixel hinting
      in.ub(5);  // reserved
      s.noClose = in.ub(1) != 0;
      s.endCap = capFrom(in.ub(2));
      if (s.join == SwfJoin::Miter) s.miterLimit = std::max(1.0, in.u16() / 256.0);
      if (s.hasFill) {
        auto f = readFillStyle(in, shapeVersion);
        if (!f) return std::nullopt;
        s.fill = std::move(*f);
      } else {
        s.color = readRgba(in);
      }
    }
    if (!in.ok()) return std::nullopt;
    if (shapeVersion < 4) s.endCap = s.startCap;
    styles.push_back(std::move(s));
  }
  if (!in.ok()) return std::nullopt;
  return styles;
}

}  // namespace tavra::swf
