#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"

namespace tavra {
namespace {
using test::picture;
using test::whiteBitmap;
using Rows = std::vector<std::string>;

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);

// A source with a distinct colour in every pixel: rgb(x, y, 7).
Bitmap numbered(int w, int h, PixelFormat format = PixelFormat::Bits24) {
  Bitmap b(w, h, format);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) b.setPixel(x, y, pixelFromColor(rgb(x, y, 7)));
  }
  return b;
}

TEST(CanvasBlit, DrawBitmapCopiesWithinClipAndSourceBounds) {
  Bitmap target = whiteBitmap(5, 4);
  Canvas c(target);
  c.setOrigin({1, 0});
  c.excludeClip({2, 0, 3, 1});  // device column 3, row 0
  const Bitmap src = numbered(3, 3);
  c.drawBitmap({0, 0}, src, {-1, 0, 3, 2});  // one column left of the source: nothing there
  EXPECT_EQ(target.colorAt(1, 0), clWhite);
  EXPECT_EQ(target.colorAt(2, 0), rgb(0, 0, 7));
  EXPECT_EQ(target.colorAt(3, 0), clWhite);  // excluded
  EXPECT_EQ(target.colorAt(4, 0), rgb(2, 0, 7));
  EXPECT_EQ(target.colorAt(4, 1), rgb(2, 1, 7));
  EXPECT_EQ(target.colorAt(2, 2), clWhite);
}

TEST(CanvasBlit, CopiesAlphaAsItIs) {
  Bitmap src(1, 1, PixelFormat::Bits32);
  src.setPixel(0, 0, 0x40102030);
  Bitmap target(2, 1, PixelFormat::Bits32);
  Canvas(target).drawBitmap({1, 0}, src);
  EXPECT_EQ(target.pixel(1, 0), 0x40102030u);
}

TEST(CanvasBlit, BlitWithinTheSameBitmapOverlapping) {
  Bitmap b = numbered(4, 1);
  Canvas c(b);
  c.drawBitmap({1, 0}, b, {0, 0, 3, 1});
  EXPECT_EQ(b.colorAt(1, 0), rgb(0, 0, 7));
  EXPECT_EQ(b.colorAt(2, 0), rgb(1, 0, 7));
  EXPECT_EQ(b.colorAt(3, 0), rgb(2, 0, 7));
}

TEST(CanvasBlit, StretchPicksNearestSourcePixels) {
  const Bitmap src = numbered(2, 2);
  Bitmap target = whiteBitmap(4, 4);
  Canvas(target).stretchBitmap({0, 0, 4, 4}, src, src.bounds());
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(target.colorAt(x, y), rgb(x / 2, y / 2, 7)) << x << "," << y;
  }
  Bitmap small = whiteBitmap(2, 1);
  Canvas(small).stretchBitmap({0, 0, 2, 1}, numbered(4, 2), {0, 0, 4, 2});
  EXPECT_EQ(small.colorAt(0, 0), rgb(0, 0, 7));
  EXPECT_EQ(small.colorAt(1, 0), rgb(2, 0, 7));
}

TEST(CanvasBlit, TransparentColourIsLeftOut) {
  Bitmap src(3, 1);
  src.setPixel(0, 0, pixelFromColor(kRed));
  src.setPixel(1, 0, pixelFromColor(clFuchsia));
  src.setPixel(2, 0, pixelFromColor(kBlue));
  Bitmap target = whiteBitmap(3, 1);
  Canvas(target).drawBitmapTransparent({0, 0, 3, 1}, src, src.bounds(), clFuchsia);
  EXPECT_EQ(target.colorAt(0, 0), kRed);
  EXPECT_EQ(target.colorAt(1, 0), clWhite);
  EXPECT_EQ(target.colorAt(2, 0), kBlue);

  Bitmap wide = whiteBitmap(6, 1);
  Canvas(wide).drawBitmapTransparent({0, 0, 6, 1}, src, src.bounds(), clFuchsia);
  EXPECT_EQ(picture(wide, clWhite), (Rows{"..##.."}));
}

TEST(CanvasBlit, ConstantAlphaMixesChannels) {
  Bitmap src(1, 1);
  src.fill(pixelFromColor(rgb(255, 100, 0)));
  Bitmap target(1, 1);
  target.fill(pixelFromColor(rgb(0, 200, 255)));
  Canvas(target).alphaBlend({0, 0, 1, 1}, src, src.bounds(), 128, AlphaSource::Constant);
  // 255*128/255 + 0 = 128; (100*128 + 200*127)/255 = 150; (0 + 255*127)/255 = 127
  EXPECT_EQ(target.colorAt(0, 0), rgb(128, 150, 127));
}

TEST(CanvasBlit, PerPixelAlphaIsPremultipliedOver) {
  Bitmap src(2, 1, PixelFormat::Bits32);
  src.setPixel(0, 0, 0x80800000);  // half-transparent red, premultiplied
  src.setPixel(1, 0, 0x00000000);  // fully transparent
  Bitmap target(2, 1, PixelFormat::Bits32);
  target.fill(0xFFC8C8C8);  // grey 200
  Canvas(target).alphaBlend({0, 0, 2, 1}, src, src.bounds(), 255, AlphaSource::PerPixel);
  // red: 128 + 200*127/255 = 228; others 0 + 100 = 100; alpha 128 + 255*127/255 = 255
  EXPECT_EQ(target.pixel(0, 0), 0xFFE46464u);
  EXPECT_EQ(target.pixel(1, 0), 0xFFC8C8C8u);

  Bitmap halfTarget(1, 1, PixelFormat::Bits32);
  halfTarget.fill(0xFFC8C8C8);
  Canvas(halfTarget).alphaBlend({0, 0, 1, 1}, src, {0, 0, 1, 1}, 128, AlphaSource::PerPixel);
  // the source scaled by 128/255 first: alpha 64, red 64; then 64 + 200*191/255 = 214, 150
  EXPECT_EQ(halfTarget.pixel(0, 0), 0xFFD69696u);
}

TEST(CanvasBlit, AlphaBlendRespectsClip) {
  Bitmap src(2, 1);
  src.fill(pixelFromColor(clBlack));
  Bitmap target = whiteBitmap(2, 1);
  Canvas c(target);
  c.intersectClip({1, 0, 2, 1});
  c.alphaBlend({0, 0, 2, 1}, src, src.bounds(), 255, AlphaSource::Constant);
  EXPECT_EQ(target.colorAt(0, 0), clWhite);
  EXPECT_EQ(target.colorAt(1, 0), clBlack);
}

}  // namespace
}  // namespace tavra
