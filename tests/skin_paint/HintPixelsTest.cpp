// The per-pixel passes of the hint windows: multiplying through a mask, the edge bevel of a
// shape, the soft shadow, composing the body through the shape, the per-pixel alpha image and
// the region of a mask.
#include <gtest/gtest.h>

#include <cmath>

#include "PaintFixtures.h"
#include "skin/hints/HintPixels.h"

namespace tavra::test {
namespace {

Color at(const Bitmap& b, int x, int y) { return b.colorAt(x, y); }

TEST(HintPixels, MultiplyByMaskPullsEachChannelTowardsTheColour) {
  struct Case {
    Color pixel, mask, colour, expected;
  };
  const Case cases[] = {
      {rgb(255, 255, 255), rgb(255, 255, 255), clBlack, rgb(254, 254, 254)},  // white keeps (nearly)
      {rgb(255, 255, 255), rgb(198, 198, 198), clBlack, rgb(197, 197, 197)},  // the shadow's core
      {rgb(200, 100, 40), rgb(0, 0, 0), clBlack, rgb(0, 0, 0)},
      {rgb(200, 100, 40), rgb(128, 64, 0), clBlack, rgb(100, 25, 0)},         // per channel
      {rgb(0, 0, 0), rgb(0, 0, 0), rgb(255, 128, 0), rgb(255, 128, 0)},       // black mask gives c
      {rgb(0, 0, 0), rgb(128, 128, 128), rgb(255, 128, 0), rgb(127, 64, 0)},
  };
  for (const Case& c : cases) {
    Bitmap b = filled(2, 1, c.pixel);
    MultiplyByMask(b, filled(2, 1, c.mask), c.colour);
    EXPECT_EQ(at(b, 1, 0), c.expected) << std::hex << c.pixel << " " << c.mask;
  }
  Bitmap b = filled(2, 2, clWhite);
  MultiplyByMask(b, filled(3, 2, clBlack), clBlack);
  EXPECT_EQ(at(b, 0, 0), clWhite) << "a mask of another size changes nothing";
}

TEST(HintPixels, EdgeBevelOutlinesTheShapeTopLeftThenBottomRight) {
  // A 5 x 4 mask with a 3 x 2 shape at (1, 1) and one inside pixel on the image's left edge.
  Bitmap mask = filled(5, 4, clWhite);
  mask.fillRect({1, 1, 4, 3}, pixelFromColor(clBlack));
  mask.setPixel(0, 3, pixelFromColor(rgb(254, 255, 255)));  // just inside: 764 < 765
  Bitmap b = filled(5, 4, rgb(9, 9, 9));
  const Color top = rgb(1, 1, 1), bottom = rgb(2, 2, 2), body = rgb(9, 9, 9);
  EdgeBevel(b, mask, top, bottom);
  const Color expected[4][5] = {
      {body, body, body, body, body},
      {body, top, top, top, body},
      {body, top, bottom, bottom, body},
      {top, body, body, body, body},
  };
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(at(b, x, y), expected[y][x]) << x << "," << y;
  }
  Bitmap other = filled(4, 4, body);
  EdgeBevel(other, mask, top, bottom);
  EXPECT_EQ(at(other, 1, 1), body) << "sizes differ: nothing";
}

TEST(HintPixels, TheSoftShadowHasACoreAndRingsRisingToWhite) {
  // Transparency 78 (the testing window's), blur 8, on a white 60 x 40 canvas, shadow at (10, 10).
  Bitmap b = filled(60, 40, clWhite);
  PaintSoftShadow(b, {10, 10, 60, 40}, 78, 0, 8, clBlack);
  const int d = 78 * 255 / 100;
  ASSERT_EQ(d, 198);
  EXPECT_EQ(at(b, 30, 25), rgb(197, 197, 197)) << "core grey 198 darkens white to 197";
  EXPECT_EQ(at(b, 9, 25), clWhite) << "outside the rectangle nothing changes";
  EXPECT_EQ(at(b, 10, 25), rgb(254, 254, 254)) << "the outermost ring is white";
  // Ring k >= 1 has grey D + round((b - k + 1) * step), step = (255 - D) / 9.
  const double step = (255 - d) / 9.0;
  int previous = 255;
  for (int k = 1; k < 8; ++k) {
    const int grey = d + static_cast<int>(std::nearbyint((8 - k + 1) * step));
    const int expected = (255 * grey) >> 8;
    EXPECT_EQ(at(b, 10 + k, 25), rgb(expected, expected, expected)) << "ring " << k;
    EXPECT_LE(expected, previous);
    previous = expected;
  }
  EXPECT_EQ(at(b, 18, 25), rgb(197, 197, 197)) << "the core starts b pixels in";
  // The blur is limited to half the rectangle: 6 x 6 takes 3 rings, step 57 / 4, and the
  // innermost ring (2) has grey 198 + round(2 x 14.25) = 226 (halves to even), white x 226 >> 8.
  Bitmap small = filled(6, 6, clWhite);
  PaintSoftShadow(small, small.bounds(), 78, 0, 20, clBlack);
  EXPECT_EQ(at(small, 3, 3), rgb(225, 225, 225));
  EXPECT_EQ(at(small, 0, 3), rgb(254, 254, 254));
}

TEST(HintPixels, ComposeThroughMaskShowsTheBodyInsideAndTheCanvasOutside) {
  Bitmap canvas = filled(3, 1, rgb(100, 100, 100));
  Bitmap body = filled(3, 1, rgb(200, 0, 50));
  Bitmap mask(3, 1);
  mask.setPixel(0, 0, pixelFromColor(clWhite));
  mask.setPixel(1, 0, pixelFromColor(clBlack));
  mask.setPixel(2, 0, pixelFromColor(rgb(128, 128, 128)));
  ComposeThroughMask(canvas, body, mask);
  EXPECT_EQ(at(canvas, 0, 0), rgb(100, 99, 99)) << "white keeps the canvas, less the shift's rounding";
  EXPECT_EQ(at(canvas, 1, 0), rgb(200, 0, 50));
  EXPECT_EQ(at(canvas, 2, 0), rgb(150, 50, 75));
}

TEST(HintPixels, TheLayerImageIsOpaqueBodyInsideAndShadowAlphaOutside) {
  Bitmap body = filled(3, 1, rgb(194, 194, 194));
  Bitmap mask = filled(3, 1, clWhite);
  mask.setPixel(0, 0, pixelFromColor(clBlack));
  Bitmap shadow = filled(3, 1, clWhite);
  shadow.setPixel(1, 0, pixelFromColor(rgb(197, 197, 197)));
  const Bitmap layer = ComposeLayer(body, mask, shadow);
  EXPECT_EQ(layer.format(), PixelFormat::Bits32);
  EXPECT_EQ(layer.pixel(0, 0), 0xFFC2C2C2u);
  EXPECT_EQ(layer.pixel(1, 0), 58u << 24) << "black at 255 - 197";
  EXPECT_EQ(layer.pixel(2, 0), 0u) << "no shadow: fully transparent";
}

TEST(HintPixels, TheRegionOfAMaskLeavesOutTheRunsOfTheOutsideColour) {
  Bitmap mask = filled(4, 2, clBlack);
  mask.setPixel(0, 0, pixelFromColor(clWhite));
  mask.setPixel(3, 0, pixelFromColor(clWhite));
  mask.setPixel(1, 1, pixelFromColor(clWhite));
  mask.setPixel(2, 1, pixelFromColor(clWhite));
  const Region r = RegionFromMask(mask, clWhite);
  const bool inside[2][4] = {{false, true, true, false}, {true, false, false, true}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(r.contains({x, y}), inside[y][x]) << x << "," << y;
  }
}

}  // namespace
}  // namespace tavra::test
