#include <gtest/gtest.h>

#include "skin/data/SkinColorAdjust.h"
#include "skin/data/TsGeneralData.h"

namespace tavra {
namespace {

TEST(SkinColorAdjust, HueRotation) {
  struct Case {
    Color in;
    int degrees;
    Color out;
  };
  const Case cases[] = {
      {rgb(255, 0, 0), 120, rgb(0, 255, 0)},   {rgb(255, 0, 0), 240, rgb(0, 0, 255)},
      {rgb(255, 0, 0), -120, rgb(0, 0, 255)},  {rgb(255, 0, 0), 480, rgb(0, 255, 0)},
      {rgb(0, 255, 0), 120, rgb(0, 0, 255)},   {rgb(255, 128, 0), 360, rgb(255, 128, 0)},
      {rgb(200, 100, 100), 180, rgb(100, 200, 200)},
      {clFuchsia, 120, clFuchsia},             {rgb(128, 128, 128), 120, rgb(128, 128, 128)},
      {clWhite, 90, clWhite},                  {clBlack, 90, clBlack},
      {kNoColor, 120, kNoColor},               {clHighlight, 0, resolveColor(clHighlight)},
  };
  for (const Case& c : cases) EXPECT_EQ(changeHue(c.in, c.degrees), c.out) << std::hex << c.in << " " << std::dec << c.degrees;
}

TEST(SkinColorAdjust, Saturation) {
  struct Case {
    Color in;
    int amount;
    Color out;
  };
  const Case cases[] = {
      {rgb(255, 0, 0), 100, rgb(85, 85, 85)},
      {rgb(90, 60, 30), 100, rgb(60, 60, 60)},
      {rgb(90, 60, 30), -100, rgb(120, 60, 0)},  // distance from the mean doubled
      {rgb(200, 100, 60), -100, rgb(255, 80, 0)},  // limited to 0..255
      {rgb(90, 60, 30), 50, rgb(75, 60, 45)},
      {clFuchsia, 100, clFuchsia},
      {rgb(7, 7, 7), -100, rgb(7, 7, 7)},
      {kNoColor, 100, kNoColor},
  };
  for (const Case& c : cases) EXPECT_EQ(changeSaturation(c.in, c.amount), c.out) << std::hex << c.in << " " << std::dec << c.amount;
}

TEST(SkinColorAdjust, BitmapsKeepAlphaMagentaAndGrey) {
  Bitmap bitmap(4, 2, PixelFormat::Bits32);
  bitmap.setPixel(0, 0, 0x40FF0000);  // red, alpha 0x40
  bitmap.setPixel(1, 0, 0xFFFF00FF);  // magenta
  bitmap.setPixel(2, 0, 0x80777777);  // grey
  bitmap.setPixel(3, 0, 0x40FF0000);  // red again
  bitmap.setPixel(0, 1, 0x100000FF);  // blue
  changeBitmapHue(bitmap, 120);
  EXPECT_EQ(bitmap.pixel(0, 0), 0x4000FF00u);
  EXPECT_EQ(bitmap.pixel(1, 0), 0xFFFF00FFu);
  EXPECT_EQ(bitmap.pixel(2, 0), 0x80777777u);
  EXPECT_EQ(bitmap.pixel(3, 0), 0x4000FF00u);
  EXPECT_EQ(bitmap.pixel(0, 1), 0x10FF0000u);

  changeBitmapSaturation(bitmap, 100);
  EXPECT_EQ(bitmap.pixel(0, 0), 0x40555555u);
  EXPECT_EQ(bitmap.pixel(1, 0), 0xFFFF00FFu);
}

}  // namespace
}  // namespace tavra
