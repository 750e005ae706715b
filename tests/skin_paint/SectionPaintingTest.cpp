// Section backgrounds and whole sections: transparency over the parent, textures, gradients,
// colour mixing, corners and borders.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/primitives/SectionPainting.h"

namespace tavra::test {
namespace {

TsGradArray solidGradient(Color c) { return {GradientStep{.Color1 = c, .Color2 = c, .Percent = 100, .Mode = 0}}; }

Bitmap paintBackground(const TinySkin& skin, int section, const TsCacheView& view, int state = 0, Size size = {4, 3}) {
  Bitmap b = filled(size.width, size.height, rgb(7, 7, 7));
  PaintSectionBackground(skin.model, section, view, clFuchsia, -1, -1, b, {0, 0}, b.bounds(), state);
  return b;
}

TEST(SectionBackground, TransparencyBlendsTheLookOverTheParent) {
  TinySkin skin;
  const int black30 = skin.section("BLACK30", [](TsGeneralData& s) { s.Color = clBlack; s.Transparency = 30; });
  const int plain = skin.section("PLAIN", [](TsGeneralData& s) { s.Color = rgb(10, 20, 30); });
  const int clear = skin.section("CLEAR", [](TsGeneralData& s) { s.Transparency = 100; });
  skin.finish();
  const Bitmap white = filled(10, 10, clWhite);
  // (255 × 76 + 0 × 179 + 127) shr 8 = 76.
  EXPECT_TRUE(allOf(paintBackground(skin, black30, viewOf(white)), {0, 0, 4, 3}, rgb(76, 76, 76)));
  EXPECT_TRUE(allOf(paintBackground(skin, black30, colourView(clWhite)), {0, 0, 4, 3}, rgb(76, 76, 76)));
  EXPECT_TRUE(allOf(paintBackground(skin, plain, viewOf(white)), {0, 0, 4, 3}, rgb(10, 20, 30)));
  // A parent that does not know its background: the transparent look marks its pixels clFuchsia.
  EXPECT_TRUE(allOf(paintBackground(skin, black30, colourView(clFuchsia)), {0, 0, 4, 3}, clFuchsia));

  // Transparency 100: an exact copy of the parent's bitmap at the view position plus the offset.
  Bitmap parent = filled(10, 10, clWhite);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) parent.setPixel(x, y, pixelFromColor(rgb(x, y, 50)));
  }
  Bitmap b = filled(4, 3, rgb(7, 7, 7));
  PaintSectionBackground(skin.model, clear, viewOf(parent, 1, 2), clFuchsia, -1, -1, b, {3, 1}, b.bounds(), 0);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.colorAt(x, y), rgb(x + 4, y + 3, 50));
  }
}

TEST(SectionBackground, TextureGradientAndColourShareTheirPercentages) {
  TinySkin skin(2, 2);
  skin.paint({0, 0, 2, 2}, rgb(200, 0, 0));
  const int mixed = skin.section("MIXED", [](TsGeneralData& s) {
    s.Color = rgb(0, 0, 250);
    s.ImagePercent = 40;
    s.GradientPercent = 40;
    s.GradientSteps = solidGradient(rgb(0, 100, 0));
  });
  const int textured = skin.section("TEXTURED", [](TsGeneralData& s) {
    s.Color = rgb(0, 0, 250);
    s.ImagePercent = 100;
  });
  skin.mask({.section = "MIXED", .property = "PATTERN", .rect = {0, 0, 2, 2}, .type = TacImgType::itisaTexture});
  skin.mask({.section = "TEXTURED", .property = "PATTERN", .rect = {0, 0, 2, 2}, .type = TacImgType::itisaTexture});
  const int gradientOnly = skin.section("GRADIENT", [](TsGeneralData& s) {
    s.Color = rgb(0, 0, 250);
    s.GradientPercent = 50;
    s.GradientSteps = solidGradient(rgb(0, 100, 0));
  });
  skin.finish();
  // Texture (200, 0, 0); the gradient (0, 100, 0) over it keeping a = 102 of the texture:
  // (80, 60, 0); then 20 % of the colour: (64, 48, 50).
  EXPECT_TRUE(allOf(paintBackground(skin, mixed, {}), {0, 0, 4, 3}, rgb(64, 48, 50)));
  EXPECT_TRUE(allOf(paintBackground(skin, textured, {}), {0, 0, 4, 3}, rgb(200, 0, 0)));
  // The gradient straight into the rectangle, then half of the colour.
  EXPECT_TRUE(allOf(paintBackground(skin, gradientOnly, {}), {0, 0, 4, 3}, rgb(0, 50, 125)));
}

TEST(SectionBackground, TheHotStateTakesTheHotValues) {
  TinySkin skin;
  const int button = skin.section("BUTTON", [](TsGeneralData& s) {
    s.Color = rgb(1, 1, 1);
    s.HotColor = rgb(2, 2, 2);
    s.HotTransparency = 100;
    s.HotImagePercent = 100;  // ignored at transparency 100
  });
  skin.finish();
  const Bitmap parent = filled(8, 8, rgb(3, 3, 3));
  EXPECT_TRUE(allOf(paintBackground(skin, button, viewOf(parent), 0), {0, 0, 4, 3}, rgb(1, 1, 1)));
  EXPECT_TRUE(allOf(paintBackground(skin, button, viewOf(parent), 1), {0, 0, 4, 3}, rgb(3, 3, 3)));
  EXPECT_TRUE(allOf(paintBackground(skin, -1, viewOf(parent), 0), {0, 0, 4, 3}, rgb(7, 7, 7))) << "no section: nothing";
}

TEST(Section, BackgroundThenCornersThenBorder) {
  // Border: one 6 × 6 frame, borders 2, green with a clFuchsia top-left pixel; a 1 × 1 red
  // top-right corner image.
  TinySkin skin(8, 8);
  skin.paint({0, 0, 6, 6}, rgb(0, 255, 0));
  skin.put(0, 0, clFuchsia);
  skin.paint({6, 0, 7, 1}, rgb(255, 0, 0));
  const int button = skin.section("BUTTON", [](TsGeneralData& s) { s.Color = rgb(0, 0, 9); });
  skin.mask({.section = "BUTTON", .rect = {0, 0, 6, 6}, .stretchMode = 4, .wl = 2, .wt = 2, .wr = 2, .wb = 2});
  skin.mask({.section = "BUTTON", .property = "IMGTOPRIGHT", .rect = {6, 0, 7, 1}});
  skin.finish();
  const Bitmap parent = filled(20, 20, rgb(5, 5, 5));
  Bitmap b = filled(8, 6, rgb(7, 7, 7));
  PaintSection(skin.model, button, viewOf(parent), -1, -1, b, {0, 0}, {1, 1, 7, 6}, 0, CentreFill::No);
  EXPECT_EQ(b.colorAt(0, 0), rgb(7, 7, 7)) << "outside the rectangle";
  EXPECT_EQ(b.colorAt(1, 1), rgb(5, 5, 5)) << "transparent corner pixel: the parent";
  EXPECT_EQ(b.colorAt(2, 1), rgb(0, 255, 0));
  EXPECT_EQ(b.colorAt(6, 1), rgb(0, 255, 0)) << "the border is drawn over the corner image";
  EXPECT_EQ(b.colorAt(4, 3), rgb(0, 0, 9)) << "the centre keeps the background";
}

}  // namespace
}  // namespace tavra::test
