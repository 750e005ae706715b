// The pixel blends under the skin painters, with exact values on tiny bitmaps.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra::test {
namespace {

TEST(SkinPixels, BlendColorsWeighsTheFirstColourByK) {
  // Disabled text: the font colour black, 40 %, over a white global colour.
  EXPECT_EQ(BlendColors(clBlack, clWhite, 0.4), rgb(153, 153, 153));
  EXPECT_EQ(BlendColors(rgb(200, 100, 0), rgb(0, 0, 255), 0.5), rgb(100, 50, 128));
  // The high byte is the first colour's.
  EXPECT_EQ(BlendColors(0x01000000u | rgb(10, 10, 10), clBlack, 1.0), 0x01000000u | rgb(10, 10, 10));
}

TEST(SkinPixels, MixBlendCopyAndGrey) {
  struct Case {
    const char* name;
    std::function<void(Bitmap&)> run;
    Color expected;
  };
  const Bitmap black = filled(2, 2, clBlack);
  const Bitmap grey = filled(2, 2, rgb(100, 100, 100));
  const Case cases[] = {
      // 80 % of the pixel, 20 % of the colour.
      {"mix", [](Bitmap& b) { MixIntoRect(b, b.bounds(), 80, rgb(0, 0, 250)); }, rgb(204, 204, 254)},
      // Transparency 30: the destination (white) keeps a = 76 of 255.
      {"blend", [&](Bitmap& b) { BlendBitmaps(b, black, 30 * 255 / 100); }, rgb(76, 76, 76)},
      // The control keeps 40 %, the source 60 %.
      {"copy blended", [&](Bitmap& b) { CopyBlended(b, 0, 0, clNone, 0.4, grey.bounds(), grey); }, rgb(162, 162, 162)},
      {"grey", [](Bitmap& b) { b.fill(pixelFromColor(rgb(10, 20, 61))); MakeGrey(b); }, rgb(30, 30, 30)},
      {"kept colour", [](Bitmap& b) { b.fill(pixelFromColor(clFuchsia)); MakeGrey(b, clFuchsia); }, clFuchsia},
  };
  for (const Case& c : cases) {
    Bitmap b = filled(2, 2, clWhite);
    c.run(b);
    EXPECT_TRUE(allOf(b, b.bounds(), c.expected)) << c.name;
  }
}

TEST(SkinPixels, TransparentCopiesLeaveTheKeyColourOut) {
  Bitmap source = filled(2, 1, clFuchsia);
  source.setPixel(1, 0, pixelFromColor(rgb(1, 2, 3)));
  Bitmap b = filled(3, 1, clWhite);
  CopyTransparent(b, source, 1, 0, clFuchsia);
  EXPECT_EQ(b.colorAt(0, 0), clWhite);
  EXPECT_EQ(b.colorAt(1, 0), clWhite);
  EXPECT_EQ(b.colorAt(2, 0), rgb(1, 2, 3));

  Bitmap c = filled(3, 1, clWhite);
  CopyBlended(c, 1, 0, clFuchsia, 0.5, source.bounds(), source);
  EXPECT_EQ(c.colorAt(1, 0), clWhite);
  EXPECT_EQ(c.colorAt(2, 0), rgb(128, 129, 129));
}

TEST(SkinPixels, CompositeAlphaTintTransparencyAndReflection) {
  Bitmap source = NewBitmap32(1, 2);
  source.setPixel(0, 0, 0x80000000u | 0x00C80000u);  // red 200, alpha 128
  source.setPixel(0, 1, 0xFF000000u | 0x00006400u);  // green 100, opaque
  {
    Bitmap b = filled(1, 2, clWhite);
    CompositeAlpha(b.bounds(), source.bounds(), b, source, {});
    // ((200 − 255) × 128 + 255 × 256) shr 8 = 227; ((0 − 255) × 128 + 255 × 256) shr 8 = 127.
    EXPECT_EQ(b.colorAt(0, 0), rgb(227, 127, 127));
    EXPECT_EQ(b.colorAt(0, 1), rgb(0, 100, 0));
  }
  {
    // 50 % extra transparency halves the alpha of the opaque pixel: 127.
    Bitmap b = filled(1, 2, clWhite);
    CompositeAlpha(b.bounds(), source.bounds(), b, source, {.extraTransparency = 50});
    EXPECT_EQ(b.colorAt(0, 1), rgb(128, 178, 128));
  }
  {
    // A tint makes the pixel grey (33) times the tint channel / 255; (33 × 255) shr 8 = 32.
    Bitmap b = filled(1, 2, clBlack);
    CompositeAlpha(b.bounds(), source.bounds(), b, source, {.tint = rgb(255, 0, 0)});
    EXPECT_EQ(b.colorAt(0, 1), rgb(32, 0, 0));
  }
  {
    // The reflection: one mirrored row (height 2 div 2) at opacity 255 from the bottom row, its
    // alpha 100 × 255 div 300 = 85.
    Bitmap b = filled(1, 3, clWhite);
    CompositeAlpha(b.bounds(), source.bounds(), b, source, {.reflection = true});
    EXPECT_EQ(b.colorAt(0, 2), rgb(170, 203, 170));
  }
}

TEST(SkinPixels, FocusFrameDotsEveryThirdPixel) {
  Bitmap b = filled(8, 5, rgb(9, 9, 9));
  DrawFocusFrame(b, {1, 1, 7, 4});
  auto at = [&](int x, int y) { return b.colorAt(x, y); };
  EXPECT_EQ(at(1, 1), clBlack);
  EXPECT_EQ(at(4, 1), clBlack);
  EXPECT_EQ(at(7, 1), clBlack);
  EXPECT_EQ(at(2, 1), rgb(9, 9, 9));
  EXPECT_EQ(at(1, 4), clBlack);
  EXPECT_EQ(at(7, 4), clBlack);
  EXPECT_EQ(at(0, 0), clWhite);
  EXPECT_EQ(at(3, 0), clWhite);
  EXPECT_EQ(at(3, 3), clWhite);
  EXPECT_EQ(at(6, 3), clWhite);
  EXPECT_EQ(at(6, 2), rgb(9, 9, 9));
}

}  // namespace
}  // namespace tavra::test
