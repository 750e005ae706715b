// Straight alpha made premultiplied, as blending wants it.
#include <gtest/gtest.h>

#include "gfx/AlphaConversion.h"
#include "gfx/Canvas.h"

namespace tavra::test {
namespace {

TEST(AlphaConversion, ScalesColourByAlphaAndStrength) {
  EXPECT_EQ(premultiplyPixel(0xFFFF8000u), 0xFFFF8000u);
  EXPECT_EQ(premultiplyPixel(0x80FFFFFFu), 0x80808080u);
  EXPECT_EQ(premultiplyPixel(0x00FFFFFFu), 0x00000000u);
  EXPECT_EQ(premultiplyPixel(0xFFFFFFFFu, 128), 0x80808080u) << "half strength halves alpha and colour";
  Bitmap opaque(1, 1);
  opaque.setPixel(0, 0, 0x00123456u);  // a 24-bit pixel whose alpha byte means nothing
  EXPECT_EQ(premultipliedAlpha(opaque).pixel(0, 0), 0xFF123456u);
}

TEST(AlphaConversion, AHalfTransparentWhitePixelBlendsToGreyOverBlack) {
  Bitmap straight(1, 1, PixelFormat::Bits32);
  straight.setPixel(0, 0, 0x80FFFFFFu);
  Bitmap target(1, 1);
  target.fill(0xFF000000u);
  Canvas c(target);
  Bitmap ready = premultipliedAlpha(straight);
  c.alphaBlend({0, 0, 1, 1}, ready, ready.bounds(), 255, AlphaSource::PerPixel);
  EXPECT_EQ(redOf(target.colorAt(0, 0)), 128);
  EXPECT_EQ(greenOf(target.colorAt(0, 0)), 128);
}

}  // namespace
}  // namespace tavra::test
