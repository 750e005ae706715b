#include <gtest/gtest.h>

#include "gfx/Canvas.h"

namespace tavra {
namespace {

constexpr Pixel kWhite = 0xFFFFFFFF;
constexpr Pixel kRed = 0xFFFF0000;

// Rows of a bitmap as text, '#' where the pixel equals `ink`, '.' elsewhere.
std::vector<std::string> picture(const Bitmap& b, Pixel ink) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.height(); ++y) {
    std::string s;
    for (int x = 0; x < b.width(); ++x) s.push_back(b.pixel(x, y) == ink ? '#' : '.');
    rows.push_back(s);
  }
  return rows;
}

TEST(CanvasFill, FillRectCoversLeftTopUpToRightBottomExclusive) {
  Bitmap b(6, 5);
  b.fill(kWhite);
  Canvas c(b);
  c.fillRect({1, 1, 4, 3}, rgb(255, 0, 0));
  EXPECT_EQ(picture(b, kRed), (std::vector<std::string>{"......", ".###..", ".###..", "......", "......"}));
}

TEST(CanvasFill, ClipRegionWithHoleLeavesHoleUnpainted) {
  Bitmap b(5, 5);
  b.fill(kWhite);
  Canvas c(b);
  c.excludeClip({1, 1, 4, 4});
  c.fillRect({0, 0, 5, 5}, rgb(255, 0, 0));
  EXPECT_EQ(picture(b, kRed), (std::vector<std::string>{"#####", "#...#", "#...#", "#...#", "#####"}));
}

TEST(CanvasFill, OriginMovesDrawingAndClip) {
  Bitmap b(5, 4);
  b.fill(kWhite);
  Canvas c(b);
  c.setOrigin({2, 1});
  c.intersectClip({0, 0, 2, 2});  // device (2,1)-(4,3)
  c.fillRect({-1, -1, 10, 10}, rgb(255, 0, 0));
  EXPECT_EQ(picture(b, kRed), (std::vector<std::string>{".....", "..##.", "..##.", "....."}));
  EXPECT_EQ(c.clipBox(), (Rect{0, 0, 2, 2}));
}

TEST(CanvasFill, RestoreBringsBackOriginAndClip) {
  Bitmap b(4, 1);
  b.fill(kWhite);
  Canvas c(b);
  {
    Canvas::StateSaver saver(c);
    c.translate(1, 0);
    c.intersectClip({0, 0, 1, 1});
  }
  c.fillRect({0, 0, 2, 1}, rgb(255, 0, 0));
  EXPECT_EQ(picture(b, kRed), (std::vector<std::string>{"##.."}));
}

TEST(CanvasFill, LineLeavesOutItsEndPoint) {
  Bitmap b(5, 5);
  b.fill(kWhite);
  Canvas c(b);
  c.drawLine({0, 0}, {4, 0}, rgb(255, 0, 0));
  c.drawLine({0, 1}, {0, 4}, rgb(255, 0, 0));
  c.drawLine({1, 1}, {4, 4}, rgb(255, 0, 0));
  EXPECT_EQ(picture(b, kRed), (std::vector<std::string>{"####.", "##...", "#.#..", "#..#.", "....."}));
}

}  // namespace
}  // namespace tavra
