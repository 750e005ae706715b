// The shape of a skinned window from the magenta pixels of its frame masks, and screen snap.
#include <gtest/gtest.h>

#include "PaintFixtures.h"
#include "skin/frames/FrameShape.h"
#include "skin/frames/ScreenSnap.h"

namespace tavra::test {
namespace {

// A FORM border mask, one 12 × 12 frame with WL = WT = WR = WB = 4 at the master's top-left:
// three magenta pixels at the start of row 0 and one at the start of row 1, mirrored in the last
// columns; the bottom rows' corners likewise when `bottom`.
struct ShapeSkin {
  TinySkin skin{32, 32};
  int formMask = -1;
  explicit ShapeSkin(bool magenta = true, bool bottom = false) {
    skin.paint({0, 0, 12, 12}, rgb(30, 90, 90));
    if (magenta) {
      for (int x : {0, 1, 2, 9, 10, 11}) skin.put(x, 0, clFuchsia);
      for (int x : {0, 11}) skin.put(x, 1, clFuchsia);
      // A magenta pixel outside the WL columns is not a corner.
      skin.put(6, 0, clFuchsia);
      if (bottom) {
        skin.put(0, 11, clFuchsia);
        skin.put(11, 11, clFuchsia);
      }
    }
    skin.section("FORM");
    formMask = skin.mask({.section = "FORM", .rect = {0, 0, 12, 12}, .wl = 4, .wt = 4, .wr = 4, .wb = 4});
    skin.finish();
  }
};

TEST(FrameShape, MagentaCornerPixelsAreCutAndMirroredOnTheRight) {
  ShapeSkin s;
  const Size window{100, 60};
  const std::vector<Rect> cuts = frameCutRects(s.skin.model, s.formMask, -1, window);
  const std::vector<Rect> expected = {{0, 0, 3, 1}, {97, 0, 100, 1}, {0, 1, 1, 2}, {99, 1, 100, 2}};
  EXPECT_EQ(cuts, expected);
  const std::optional<Region> region = frameRegion(cuts, window);
  ASSERT_TRUE(region.has_value());
  for (Point p : {Point{0, 0}, Point{2, 0}, Point{0, 1}, Point{99, 0}, Point{97, 0}, Point{99, 1}}) {
    EXPECT_FALSE(region->contains(p)) << p.x << ", " << p.y;
  }
  for (Point p : {Point{3, 0}, Point{1, 1}, Point{96, 0}, Point{98, 1}, Point{50, 0}, Point{0, 2}, Point{99, 59}}) {
    EXPECT_TRUE(region->contains(p)) << p.x << ", " << p.y;
  }
}

TEST(FrameShape, BottomRowsGoToTheBottomEdgeAndTheCaptionMaskAddsItsTopRows) {
  ShapeSkin s(true, true);
  const Size window{40, 30};
  const std::vector<Rect> cuts = frameCutRects(s.skin.model, s.formMask, s.formMask, window);
  EXPECT_NE(std::find(cuts.begin(), cuts.end(), Rect{0, 29, 1, 30}), cuts.end());
  EXPECT_NE(std::find(cuts.begin(), cuts.end(), Rect{39, 29, 40, 30}), cuts.end());
  // The caption mask's top rows are scanned too (here the same picture: each top run twice).
  EXPECT_EQ(std::count(cuts.begin(), cuts.end(), Rect{0, 0, 3, 1}), 2);
}

TEST(FrameShape, WithoutMagentaTheWindowKeepsItsRectangle) {
  ShapeSkin s(false);
  const std::vector<Rect> cuts = frameCutRects(s.skin.model, s.formMask, -1, {100, 60});
  EXPECT_TRUE(cuts.empty());
  EXPECT_FALSE(frameRegion(cuts, {100, 60}).has_value());
  EXPECT_FALSE(frameRegion(frameCutRects(s.skin.model, -1, -1, {100, 60}), {100, 60}).has_value());
}

TEST(ScreenSnap, EdgesNearerThanTheBufferSnap) {
  const Rect work{0, 0, 1024, 768};
  struct Case {
    const char* name;
    Rect window;
    Rect snapped;
  };
  const Case cases[] = {
      {"right edge 7 px away", Rect::fromSize(1024 - 7 - 300, 100, 300, 200), Rect::fromSize(724, 100, 300, 200)},
      {"right edge past by 7", Rect::fromSize(1024 + 7 - 300, 100, 300, 200), Rect::fromSize(724, 100, 300, 200)},
      {"right edge 10 px away", Rect::fromSize(1024 - 10 - 300, 100, 300, 200), Rect::fromSize(714, 100, 300, 200)},
      {"bottom 9 px away", Rect::fromSize(100, 768 - 9 - 200, 300, 200), Rect::fromSize(100, 568, 300, 200)},
      {"left 5 px in", Rect::fromSize(5, 100, 300, 200), Rect::fromSize(0, 100, 300, 200)},
      {"top 3 px out", Rect::fromSize(100, -3, 300, 200), Rect::fromSize(100, 0, 300, 200)},
      {"far from every edge", Rect::fromSize(200, 200, 300, 200), Rect::fromSize(200, 200, 300, 200)},
  };
  for (const Case& c : cases) EXPECT_EQ(snapToWorkArea(c.window, work, 10), c.snapped) << c.name;
}

}  // namespace
}  // namespace tavra::test
