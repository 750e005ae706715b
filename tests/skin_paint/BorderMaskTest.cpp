// Nine-part border masks and mask images, pixel by pixel on tiny masters.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/primitives/BorderMask.h"

namespace tavra::test {
namespace {

const Color kRed = rgb(255, 0, 0);
const Color kGreen = rgb(0, 255, 0);
const Color kBlue = rgb(0, 0, 255);
const Color kGround = rgb(7, 7, 7);

// Three 10 × 10 frames, red, green and blue, borders 3 wide.
struct ThreeFrames : TinySkin {
  int border = -1;
  explicit ThreeFrames(int stretchMode = 0) {
    paint({0, 0, 10, 10}, kRed);
    paint({10, 0, 20, 10}, kGreen);
    paint({20, 0, 30, 10}, kBlue);
    section("BUTTON");
    border = mask({.section = "BUTTON", .rect = {0, 0, 30, 10}, .imageCount = 3, .stretchMode = stretchMode, .wl = 3, .wt = 3, .wr = 3, .wb = 3});
    finish();
  }
  Bitmap draw(int state, CentreFill centre = CentreFill::No) {
    Bitmap b = filled(12, 8, kGround);
    DrawBorderMask(b, b.bounds(), centre, CornersFromParent::No, state, model, border, {});
    return b;
  }
};

TEST(BorderMask, TheStateChoosesTheFrameAndThePastLastShowsTheLast) {
  ThreeFrames skin;
  struct Case {
    int state;
    Color frame;
  } cases[] = {{0, kRed}, {1, kGreen}, {2, kBlue}, {5, kBlue}};
  for (const Case& c : cases) {
    const Bitmap b = skin.draw(c.state);
    EXPECT_TRUE(allOf(b, {0, 0, 12, 3}, c.frame)) << c.state;
    EXPECT_TRUE(allOf(b, {0, 0, 3, 8}, c.frame)) << c.state;
    EXPECT_TRUE(allOf(b, {9, 0, 12, 8}, c.frame)) << c.state;
    EXPECT_TRUE(allOf(b, {0, 5, 12, 8}, c.frame)) << c.state;
    EXPECT_TRUE(allOf(b, {3, 3, 9, 5}, kGround)) << "no centre unless asked: " << c.state;
  }
}

TEST(BorderMask, StretchModeBitsHideStateZeroAndAllowTheCentre) {
  ThreeFrames hidden(2);
  EXPECT_TRUE(allOf(hidden.draw(0), {0, 0, 12, 8}, kGround));
  EXPECT_TRUE(allOf(hidden.draw(1), {0, 0, 12, 3}, kGreen));

  ThreeFrames centred(4);
  EXPECT_TRUE(allOf(centred.draw(0, CentreFill::Yes), {3, 3, 9, 5}, kRed));
  EXPECT_TRUE(allOf(centred.draw(0, CentreFill::No), {3, 3, 9, 5}, kGround));
  EXPECT_TRUE(allOf(ThreeFrames(0).draw(0, CentreFill::Yes), {3, 3, 9, 5}, kGround)) << "bit 2 clear: never a centre";
}

TEST(BorderMask, NarrowRectanglesShareTheBordersAndTheOddPixelGoesRight) {
  TinySkin skin(30, 10);
  skin.paint({0, 0, 10, 10}, kRed);
  skin.paint({10, 0, 20, 10}, kGreen);
  skin.paint({20, 0, 30, 10}, kBlue);
  skin.section("BUTTON");
  const int border = skin.mask({.section = "BUTTON", .rect = {0, 0, 30, 10}, .wl = 10, .wr = 10});
  skin.finish();
  const BorderWidths w = fitBorderWidths(skin.model.Masks[static_cast<size_t>(border)], 15, 10);
  EXPECT_EQ(w.left, 8);
  EXPECT_EQ(w.right, 7);

  Bitmap b = filled(15, 10, kGround);
  DrawBorderMask(b, b.bounds(), CentreFill::No, CornersFromParent::No, 0, skin.model, border, {});
  EXPECT_TRUE(allOf(b, {0, 0, 8, 10}, kRed));
  EXPECT_TRUE(allOf(b, {8, 0, 15, 10}, kBlue)) << "the right pieces come from the frame's right columns";

  Bitmap tiny = filled(1, 10, kGround);
  DrawBorderMask(tiny, tiny.bounds(), CentreFill::No, CornersFromParent::No, 0, skin.model, border, {});
  EXPECT_TRUE(allOf(tiny, tiny.bounds(), kGround)) << "less than 2 pixels wide: nothing";
}

TEST(BorderMask, AnOddSizeTakesItsExtraPixelFromTheRightOrBottomWidth) {
  // Both widths lose half the excess (rounded down); an odd size takes one pixel more from the
  // second, whatever the parity of the excess. An odd excess in an even size leaves the two
  // overlapping by a pixel.
  struct Case {
    int first, second, size;
    int fittedFirst, fittedSecond;
  } cases[] = {
      {10, 10, 15, 8, 7},   // excess 5: 2 each, the odd size 1 more from the second
      {10, 10, 16, 8, 8},   // excess 4, even size
      {10, 11, 16, 8, 9},   // excess 5, even size: nothing more, the two overlap by one
      {10, 11, 15, 7, 7},   // excess 6, odd size
      {11, 10, 15, 8, 6},
      {11, 10, 16, 9, 8},
      {3, 3, 7, 3, 3},      // fitting widths stay
      {0, 20, 9, 0, 9},     // never below 0 or beyond the size
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.first << " + " << c.second << " in " << c.size);
    const BorderWidths across = fitBorderWidths(BorderWidths{c.first, 1, c.second, 1}, c.size, 40);
    EXPECT_EQ(across.left, c.fittedFirst);
    EXPECT_EQ(across.right, c.fittedSecond);
    const BorderWidths down = fitBorderWidths(BorderWidths{1, c.first, 1, c.second}, 40, c.size);
    EXPECT_EQ(down.top, c.fittedFirst);
    EXPECT_EQ(down.bottom, c.fittedSecond);
  }
  // Drawn: a frame red left of column 10 and blue from it, WL 10 and WR 11, in 16 pixels: the
  // left corner covers columns 0 to 7, the right one (drawn later) columns 7 to 15.
  TinySkin skin(21, 4);
  skin.paint({0, 0, 10, 4}, kRed);
  skin.paint({10, 0, 21, 4}, kBlue);
  skin.section("BUTTON");
  const int border = skin.mask({.section = "BUTTON", .rect = {0, 0, 21, 4}, .wl = 10, .wr = 11});
  skin.finish();
  Bitmap b = filled(16, 4, kGround);
  DrawBorderMask(b, b.bounds(), CentreFill::No, CornersFromParent::No, 0, skin.model, border, {});
  EXPECT_TRUE(allOf(b, {0, 0, 7, 4}, kRed));
  EXPECT_TRUE(allOf(b, {7, 0, 16, 4}, kBlue));
}

TEST(BorderMask, SidesTileOrStretch) {
  // One frame 6 × 6, borders 2; the left side's source rows 2 and 3 are red and green.
  for (int stretch : {0, 1}) {
    TinySkin skin(6, 6);
    skin.paint({0, 0, 6, 6}, kBlue);
    skin.paint({0, 2, 2, 3}, kRed);
    skin.paint({0, 3, 2, 4}, kGreen);
    skin.section("BAR");
    const int border = skin.mask({.section = "BAR", .rect = {0, 0, 6, 6}, .stretchMode = stretch, .wl = 2, .wt = 2, .wr = 2, .wb = 2});
    skin.finish();
    Bitmap b = filled(4, 12, kGround);
    DrawBorderMask(b, b.bounds(), CentreFill::No, CornersFromParent::No, 0, skin.model, border, {});
    // Rows 2..9 of the left side: tiled red, green, red, …; stretched four red then four green.
    std::string column;
    for (int y = 2; y < 10; ++y) column += b.colorAt(0, y) == kRed ? 'r' : b.colorAt(0, y) == kGreen ? 'g' : '?';
    EXPECT_EQ(column, stretch ? "rrrrgggg" : "rgrgrgrg");
  }
}

TEST(BorderMask, TransparentCornersAndAlphaMasks) {
  // Frame 4 × 4 of grey (100), borders 2, top-left pixel clFuchsia; an alpha copy (MaskType 1)
  // with opacity 128 in its lower half.
  TinySkin skin(8, 8);
  skin.paint({0, 0, 4, 4}, rgb(100, 100, 100));
  skin.put(0, 0, clFuchsia);
  skin.paint({4, 0, 8, 4}, rgb(100, 100, 100));
  skin.paint({4, 4, 8, 8}, rgb(128, 128, 128));
  skin.put(4, 0, clFuchsia);
  skin.section("PANEL");
  const int plain = skin.mask({.section = "PANEL", .rect = {0, 0, 4, 4}, .wl = 2, .wt = 2, .wr = 2, .wb = 2});
  const int alpha = skin.mask({.section = "PANEL", .property = "ALPHA", .rect = {4, 0, 8, 8}, .maskType = 1, .wl = 2, .wt = 2, .wr = 2, .wb = 2});
  skin.finish();
  const Bitmap parent = filled(10, 10, rgb(1, 2, 3));

  struct Case {
    int mask;
    CornersFromParent corners;
    Color corner;
    Color edge;
  } cases[] = {
      {plain, CornersFromParent::No, clWhite, rgb(100, 100, 100)},
      {plain, CornersFromParent::Yes, rgb(1, 2, 3), rgb(100, 100, 100)},
      // ((255 − 100) × 128 + 100 × 256) shr 8 = 177.
      {alpha, CornersFromParent::No, clWhite, rgb(177, 177, 177)},
      {alpha, CornersFromParent::Yes, rgb(1, 2, 3), rgb(177, 177, 177)},
  };
  for (const Case& c : cases) {
    Bitmap b = filled(6, 6, clWhite);
    DrawBorderMask(b, b.bounds(), CentreFill::No, c.corners, 0, skin.model, c.mask, viewOf(parent, 2, 2));
    EXPECT_EQ(b.colorAt(0, 0), c.corner);
    EXPECT_EQ(b.colorAt(1, 0), c.edge);
    EXPECT_EQ(b.colorAt(0, 1), c.edge);
    EXPECT_EQ(b.colorAt(5, 5), c.edge);
  }
}

TEST(BorderMask, TheShapingVariantCutsTransparentRunsOutOfTheRegion) {
  TinySkin skin(4, 4);
  skin.paint({0, 0, 4, 4}, kRed);
  skin.put(0, 0, clFuchsia);
  skin.put(1, 0, clFuchsia);
  skin.put(3, 3, clFuchsia);
  skin.section("BUTTON");
  const int border = skin.mask({.section = "BUTTON", .rect = {0, 0, 4, 4}, .wl = 2, .wt = 2, .wr = 2, .wb = 2});
  skin.finish();
  Bitmap b = filled(8, 6, kGround);
  Region shape(b.bounds());
  DrawBorderMaskShaping(b, b.bounds(), CentreFill::No, 0, skin.model, border, shape);
  EXPECT_FALSE(shape.contains({0, 0}));
  EXPECT_FALSE(shape.contains({1, 0}));
  EXPECT_TRUE(shape.contains({2, 0}));
  EXPECT_FALSE(shape.contains({7, 5}));
  EXPECT_TRUE(shape.contains({6, 5}));
  EXPECT_EQ(b.colorAt(0, 0), kGround);
  EXPECT_EQ(b.colorAt(1, 1), kRed);
}

TEST(MaskImage, OpaqueTakesTheViewBlendedMixesHalf) {
  TinySkin skin(6, 2);
  skin.paint({0, 0, 6, 2}, rgb(100, 0, 200));
  skin.put(0, 0, clFuchsia);
  skin.put(2, 0, clFuchsia);
  skin.section("BUTTON");
  const int image = skin.mask({.section = "BUTTON", .property = "GLYPH", .rect = {0, 0, 4, 2}, .imageCount = 2});
  skin.finish();
  const Bitmap parent = filled(4, 4, rgb(9, 9, 9));

  Bitmap opaque = filled(4, 4, clWhite);
  DrawMaskImage(opaque, {1, 1}, 0, viewOf(parent), skin.model, image, MaskOpacity::Opaque);
  EXPECT_EQ(opaque.colorAt(1, 1), rgb(9, 9, 9));
  EXPECT_EQ(opaque.colorAt(2, 1), rgb(100, 0, 200));
  EXPECT_EQ(opaque.colorAt(3, 1), clWhite) << "one frame, 2 wide";

  Bitmap blended = filled(4, 4, clWhite);
  DrawMaskImage(blended, {-1, 0}, 1, viewOf(parent), skin.model, image, MaskOpacity::Blended);
  EXPECT_EQ(blended.colorAt(0, 0), rgb(178, 128, 228)) << "frame 1's second column, cut at the left edge";
  EXPECT_EQ(blended.colorAt(1, 0), clWhite);
}

}  // namespace
}  // namespace tavra::test
