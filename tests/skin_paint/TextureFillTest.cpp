// Texture fills by mode, and alpha-mask textures.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/primitives/TextureFill.h"

namespace tavra::test {
namespace {

const Color kGround = rgb(7, 7, 7);

// A 30 × 10 texture whose column x has red = x, so every pixel tells where it came from.
struct Striped : TinySkin {
  int texture = -1;
  Striped() : TinySkin(30, 10) {
    for (int x = 0; x < 30; ++x) paint({x, 0, x + 1, 10}, rgb(x, 0, 0));
    section("PANEL");
    texture = mask({.section = "PANEL", .property = "PATTERN", .rect = {0, 0, 30, 10}, .type = TacImgType::itisaTexture});
    finish();
  }
};

TEST(TextureFill, ModeTwoTilesTheTopBandAndLeavesTheRestToTheColour) {
  Striped skin;
  Bitmap b = filled(100, 50, kGround);
  const Rect rest = FillTexture(b, b.bounds(), nullptr, 2, skin.model, skin.texture);
  EXPECT_EQ(rest, (Rect{0, 10, 100, 50}));
  for (int x : {0, 29, 30, 59, 60, 89, 90, 99}) EXPECT_EQ(b.colorAt(x, 9), rgb(x % 30, 0, 0)) << x;
  EXPECT_TRUE(allOf(b, rest, kGround));
}

TEST(TextureFill, EveryModeCoversItsBandAndReturnsTheRest) {
  Striped skin;
  struct Case {
    int mode;
    Rect covered;
    Rect rest;
  } cases[] = {
      {0, {0, 0, 64, 25}, {}},
      {1, {0, 0, 64, 25}, {}},
      {3, {0, 0, 30, 25}, {30, 0, 64, 25}},
      {4, {0, 0, 64, 10}, {0, 10, 64, 25}},
      {5, {0, 0, 30, 25}, {30, 0, 64, 25}},
      {6, {0, 15, 64, 25}, {0, 0, 64, 15}},
      {7, {34, 0, 64, 25}, {0, 0, 34, 25}},
      // Whole rows while a row starts above 25 − 10: rows 0 and 10; the strip below stays.
      {10, {0, 0, 64, 20}, {}},
      {12, {}, {0, 0, 64, 25}},
  };
  for (const Case& c : cases) {
    Bitmap b = filled(64, 25, kGround);
    EXPECT_EQ(FillTexture(b, b.bounds(), nullptr, c.mode, skin.model, skin.texture), c.rest) << c.mode;
    int drawn = 0;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 64; ++x) {
        const bool inside = c.covered.contains(Point{x, y});
        drawn += b.colorAt(x, y) != kGround;
        if (!inside) {
          EXPECT_EQ(b.colorAt(x, y), kGround) << c.mode << " at " << x << "," << y;
        }
      }
    }
    EXPECT_EQ(drawn, c.covered.width() * c.covered.height()) << c.mode;
  }
  // Mode 1 stretches: the last column shows the texture's last column.
  Bitmap b = filled(60, 10, kGround);
  FillTexture(b, b.bounds(), nullptr, 1, skin.model, skin.texture);
  EXPECT_EQ(b.colorAt(59, 0), rgb(29, 0, 0));
  EXPECT_EQ(b.colorAt(2, 0), rgb(1, 0, 0));
}

TEST(TextureFill, AlphaTexturesCombineThroughTheirLowerHalf) {
  // One 2 × 2 frame of grey 100 with opacity 128 under it.
  TinySkin skin(2, 4);
  skin.paint({0, 0, 2, 2}, rgb(100, 100, 100));
  skin.paint({0, 2, 2, 4}, rgb(128, 128, 128));
  skin.section("PANEL");
  const int texture = skin.mask({.section = "PANEL", .property = "PATTERN", .rect = {0, 0, 2, 4}, .maskType = 1,
                                 .type = TacImgType::itisaTexture});
  skin.finish();
  const Bitmap parent = filled(8, 8, rgb(1, 2, 3));
  {
    // Mode 0 on 5 × 5: columns up to the edge, whole rows only (rows 0 to 3).
    Bitmap b = filled(5, 5, clWhite);
    FillMaskedTexture(b, b.bounds(), viewOf(parent), 0, skin.model, texture);
    EXPECT_TRUE(allOf(b, {0, 0, 5, 4}, rgb(177, 177, 177)));
    EXPECT_TRUE(allOf(b, {0, 4, 5, 5}, clWhite));
  }
  {
    // Mode 0 rows start only above the bottom − the tile height: a row that would end on the
    // bottom edge is not drawn either.
    struct Case {
      int height;
      int rows;  // pixel rows drawn
    } cases[] = {{1, 0}, {2, 0}, {3, 2}, {4, 2}, {5, 4}, {6, 4}, {7, 6}};
    for (const Case& c : cases) {
      Bitmap b = filled(5, c.height, clWhite);
      FillMaskedTexture(b, b.bounds(), viewOf(parent), 0, skin.model, texture);
      EXPECT_TRUE(allOf(b, {0, 0, 5, c.rows}, rgb(177, 177, 177))) << c.height;
      EXPECT_TRUE(allOf(b, {0, c.rows, 5, c.height}, clWhite)) << c.height;
    }
  }
  {
    // Mode 10: whole tiles, then the strips from the parent's background.
    Bitmap b = filled(5, 5, clWhite);
    FillMaskedTexture(b, b.bounds(), viewOf(parent), 10, skin.model, texture);
    EXPECT_TRUE(allOf(b, {0, 0, 4, 4}, rgb(177, 177, 177)));
    EXPECT_TRUE(allOf(b, {4, 0, 5, 5}, rgb(1, 2, 3)));
    EXPECT_TRUE(allOf(b, {0, 4, 5, 5}, rgb(1, 2, 3)));
  }
  {
    Bitmap b = filled(5, 5, clWhite);
    FillMaskedTexture(b, b.bounds(), viewOf(parent), 2, skin.model, texture);
    EXPECT_TRUE(allOf(b, b.bounds(), clWhite)) << "other modes draw nothing";
  }
}

}  // namespace
}  // namespace tavra::test
