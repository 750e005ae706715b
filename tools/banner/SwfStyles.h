#pragma once
// The records the banner writes besides shapes: matrices, colour transforms, fill and line
// styles, each with its encoder.
#include <array>
#include <cstdint>
#include <vector>

#include "SwfBitWriter.h"

namespace tavra::banner {

// x' = scaleX·x + skew1·y + tx; y' = skew0·x + scaleY·y + ty (translation in twips).
struct Matrix {
  double scaleX = 1;
  double scaleY = 1;
  double skew0 = 0;
  double skew1 = 0;
  std::int32_t tx = 0;
  std::int32_t ty = 0;

  static Matrix translate(std::int32_t x, std::int32_t y) { return {.tx = x, .ty = y}; }
  static Matrix scale(double sx, double sy, std::int32_t x = 0, std::int32_t y = 0) {
    return {.scaleX = sx, .scaleY = sy, .tx = x, .ty = y};
  }
};
void writeMatrix(SwfBitWriter& w, const Matrix& m);

// Multiply (256 = 1.0) and add terms for R, G, B, A.
struct ColorTransform {
  std::array<int, 4> mult{256, 256, 256, 256};
  std::array<int, 4> add{0, 0, 0, 0};
};
void writeColorTransformWithAlpha(SwfBitWriter& w, const ColorTransform& t);

struct GradientStop {
  std::uint8_t ratio = 0;
  std::uint32_t rgba = 0x000000FF;  // 0xRRGGBBAA
};

enum class FillKind : std::uint8_t { Solid = 0x00, Linear = 0x10, Radial = 0x12, Focal = 0x13 };

struct FillStyle {
  FillKind kind = FillKind::Solid;
  std::uint32_t rgba = 0x000000FF;
  Matrix matrix;  // gradient square (−16384..16384) into shape space
  std::vector<GradientStop> stops;
  double focalPoint = 0;

  static FillStyle solid(std::uint32_t rgba) {
    FillStyle f;
    f.rgba = rgba;
    return f;
  }
  // A gradient whose square spans the box (x0, y0)–(x1, y1) in twips.
  static FillStyle gradient(FillKind kind, std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                            std::vector<GradientStop> stops, double focalPoint = 0);
};
// Shape versions 3 and 4 (RGBA colours).
void writeFillStyle(SwfBitWriter& w, const FillStyle& f, int shapeVersion);

enum class Cap : std::uint8_t { Round = 0, None = 1, Square = 2 };

struct LineStyle {
  std::uint16_t width = 20;  // twips
  std::uint32_t rgba = 0x000000FF;
  Cap cap = Cap::Round;
};
void writeLineStyle(SwfBitWriter& w, const LineStyle& l, int shapeVersion);

}  // namespace tavra::banner
