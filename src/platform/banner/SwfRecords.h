#pragma once
// The records a movie's definitions and display list are made of: colours, rectangles,
// matrices, colour transforms, gradients, fill and line styles. Coordinates are in twips.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tavra {

constexpr int kTwipsPerPixel = 20;

struct SwfRgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 255;
  friend bool operator==(const SwfRgba&, const SwfRgba&) = default;
};

struct SwfRect {
  int xMin = 0;
  int xMax = 0;
  int yMin = 0;
  int yMax = 0;
  int width() const { return xMax - xMin; }
  int height() const { return yMax - yMin; }
  friend bool operator==(const SwfRect&, const SwfRect&) = default;
};

// x' = scaleX·x + skew1·y + tx; y' = skew0·x + scaleY·y + ty.
struct SwfMatrix {
  double scaleX = 1;
  double skew0 = 0;
  double skew1 = 0;
  double scaleY = 1;
  double tx = 0;
  double ty = 0;

  // This matrix applied after `inner`: (this · inner)(p) = this(inner(p)).
  SwfMatrix operator*(const SwfMatrix& inner) const {
    return {scaleX * inner.scaleX + skew1 * inner.skew0, skew0 * inner.scaleX + scaleY * inner.skew0,
            scaleX * inner.skew1 + skew1 * inner.scaleY, skew0 * inner.skew1 + scaleY * inner.scaleY,
            scaleX * inner.tx + skew1 * inner.ty + tx, skew0 * inner.tx + scaleY * inner.ty + ty};
  }
  double determinant() const { return scaleX * scaleY - skew0 * skew1; }
  bool isFinite() const {
    return std::isfinite(scaleX) && std::isfinite(skew0) && std::isfinite(skew1) && std::isfinite(scaleY) &&
           std::isfinite(tx) && std::isfinite(ty);
  }
  // Invertible and finite: something that can be drawn through.
  bool isDrawable() const {
    double det = determinant();
    return isFinite() && std::isfinite(det) && std::fabs(det) > 1e-12;
  }
  friend bool operator==(const SwfMatrix&, const SwfMatrix&) = default;
};

// c' = clamp(c·mult/256 + add, 0, 255) per channel R, G, B, A.
struct SwfColorTransform {
  std::array<int, 4> mult{256, 256, 256, 256};
  std::array<int, 4> add{0, 0, 0, 0};

  bool isIdentity() const { return mult == std::array<int, 4>{256, 256, 256, 256} && add == std::array<int, 4>{}; }
  SwfRgba apply(SwfRgba c) const {
    auto channel = [&](std::uint8_t v, int i) {
      return static_cast<std::uint8_t>(std::clamp(v * mult[static_cast<size_t>(i)] / 256 + add[static_cast<size_t>(i)], 0, 255));
    };
    return {channel(c.r, 0), channel(c.g, 1), channel(c.b, 2), channel(c.a, 3)};
  }
  friend bool operator==(const SwfColorTransform&, const SwfColorTransform&) = default;
};

enum class SwfSpread : std::uint8_t { Pad, Reflect, Repeat };
enum class SwfInterpolation : std::uint8_t { Rgb, LinearRgb };

struct SwfGradientStop {
  std::uint8_t ratio = 0;
  SwfRgba color;
};

struct SwfGradient {
  SwfSpread spread = SwfSpread::Pad;
  SwfInterpolation interpolation = SwfInterpolation::Rgb;
  std::vector<SwfGradientStop> stops;
  double focalPoint = 0;  // −1..1, focal gradients only
};

enum class SwfFillKind : std::uint8_t { Solid, Linear, Radial, Focal, Bitmap };

struct SwfFillStyle {
  SwfFillKind kind = SwfFillKind::Solid;
  SwfRgba color;
  SwfMatrix matrix;  // gradient square (−16384..16384) to shape space
  SwfGradient gradient;
};

enum class SwfCap : std::uint8_t { Round, None, Square };
enum class SwfJoin : std::uint8_t { Round, Bevel, Miter };

struct SwfLineStyle {
  int width = 0;  // twips
  SwfRgba color;
  SwfCap startCap = SwfCap::Round;
  SwfCap endCap = SwfCap::Round;
  SwfJoin join = SwfJoin::Round;
  double miterLimit = 3;
  bool noClose = false;
  // The width does not follow the object's horizontal / vertical scale (both: a fixed width in
  // the stage's twips).
  bool noHScale = false;
  bool noVScale = false;
  bool hasFill = false;
  SwfFillStyle fill;  // used when hasFill
};

}  // namespace tavra
