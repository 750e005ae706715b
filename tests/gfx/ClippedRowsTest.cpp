#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"
#include "gfx/ClippedRows.h"

namespace tavra {
namespace {

constexpr Pixel kInk = 0xFF000000u;

// Writes every pixel the rows hand out for `r`; returns how many runs came.
int paint(const ClippedRows& rows, const Rect& r) {
  int runs = 0;
  rows.forEachSpan(r, [&](int, int x0, int x1, Pixel* row) {
    ++runs;
    for (int x = x0; x < x1; ++x) row[x - x0] = kInk;
  });
  return runs;
}

TEST(ClippedRows, APlainBitmapIsWritableWholeAndCutAtItsEdges) {
  Bitmap b = test::whiteBitmap(6, 4);
  ClippedRows rows(b);
  EXPECT_EQ(rows.clipBox(), (Rect{0, 0, 6, 4}));
  EXPECT_EQ(paint(rows, {-3, 2, 100, 100}), 2);
  EXPECT_EQ(test::picture(b, clBlack), (std::vector<std::string>{"......", "......", "######", "######"}));
}

TEST(ClippedRows, TheCanvasHandsOutOnlyItsClipAtItsOrigin) {
  // A 6 x 5 window at (2, 1) of an 8 x 6 backing, with a sibling above it covering (3..5, 2..4).
  Bitmap b = test::whiteBitmap(8, 6);
  Canvas c(b);
  c.setOrigin({2, 1});
  c.intersectClip({0, 0, 6, 5});
  c.excludeClip({1, 1, 3, 3});
  int runs = 0;
  std::vector<Point> seen;
  c.writeRows([&](ClippedRows& rows) {
    EXPECT_EQ(rows.clipBox(), (Rect{0, 0, 6, 5}));
    EXPECT_FALSE(rows.contains({1, 1}));
    EXPECT_TRUE(rows.contains({0, 1}));
    rows.forEachSpan({0, 0, 100, 100}, [&](int y, int x0, int x1, Pixel* row) {
      ++runs;
      seen.push_back({x0, y});
      for (int x = x0; x < x1; ++x) row[x - x0] = kInk;
    });
  });
  EXPECT_EQ(test::picture(b, clBlack), (std::vector<std::string>{
                                           "........",
                                           "..######",
                                           "..#..###",
                                           "..#..###",
                                           "..######",
                                           "..######",
                                       }));
  EXPECT_EQ(runs, 1 + 2 * 2 + 2);
}

TEST(ClippedRows, TranslatedAndRestrictedViewsKeepTheSamePixels) {
  Bitmap b = test::whiteBitmap(6, 6);
  Region clip(Rect{0, 0, 6, 6});
  clip.subtract(Rect{0, 0, 6, 1});  // the frame's top row is not ours
  ClippedRows rows(b, clip, {1, 0});
  ClippedRows inner = rows.translated({1, 1}).restrictedTo({0, 0, 2, 2});
  EXPECT_EQ(inner.clipBox(), (Rect{0, 0, 2, 2}));
  paint(inner, {-1, -1, 10, 10});
  EXPECT_EQ(test::picture(b, clBlack), (std::vector<std::string>{
                                           "......",
                                           "..##..",
                                           "..##..",
                                           "......",
                                           "......",
                                           "......",
                                       }));
  // Nothing is handed out of a row outside the clip, however the view is moved.
  EXPECT_EQ(paint(rows.translated({0, -1}), {0, 0, 6, 1}), 0);
}

}  // namespace
}  // namespace tavra
