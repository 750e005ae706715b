// The image list: masked and alpha images, strips, drawing with transparency.
#include <gtest/gtest.h>

#include "framework/core/ImageList.h"

namespace tavra::test {
namespace {

TEST(ImageList, MaskedImagesLoseTheirMaskColourAndStripsSplit) {
  TImageList list(nullptr, 4, 2);
  Bitmap strip(8, 2);
  strip.fill(pixelFromColor(clFuchsia));
  strip.setPixel(1, 0, pixelFromColor(rgb(10, 20, 30)));
  strip.setPixel(6, 1, pixelFromColor(rgb(200, 0, 0)));
  EXPECT_EQ(list.addMasked(strip, clFuchsia), 0);
  ASSERT_EQ(list.count(), 2) << "an 8-pixel strip of 4-pixel images";
  EXPECT_EQ(list.image(0).pixel(0, 0), 0u) << "transparent";
  EXPECT_EQ(list.image(0).pixel(1, 0), 0xFF0A141Eu);
  EXPECT_EQ(list.image(1).pixel(2, 1), 0xFFC80000u);
  list.setSize(16, 16);
  EXPECT_EQ(list.count(), 0) << "a new size empties the list";
}

TEST(ImageList, StraightAlphaIsPremultipliedAndBlendsOverTheTarget) {
  TImageList list(nullptr, 2, 1);
  Bitmap src(2, 1, PixelFormat::Bits32);
  src.setPixel(0, 0, 0x80FF0000u);  // red at half alpha
  src.setPixel(1, 0, 0x00FFFFFFu);  // fully transparent
  list.add(src);
  EXPECT_EQ(list.image(0).pixel(0, 0), 0x80800000u);
  Bitmap target(3, 1);
  target.fill(pixelFromColor(rgb(0, 0, 255)));
  Canvas c(target);
  list.draw(c, 1, 0, 0);
  list.draw(c, 0, 0, 5);  // no such image: nothing
  EXPECT_EQ(target.colorAt(0, 0), rgb(0, 0, 255));
  Color blended = target.colorAt(1, 0);
  EXPECT_NEAR(redOf(blended), 128, 1);
  EXPECT_NEAR(blueOf(blended), 127, 1);
  EXPECT_EQ(target.colorAt(2, 0), rgb(0, 0, 255)) << "transparent pixels leave the target";
}

}  // namespace
}  // namespace tavra::test
