#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"

namespace tavra {
namespace {
using test::picture;
using test::whiteBitmap;
using Rows = std::vector<std::string>;

constexpr Color kRed = rgb(255, 0, 0);

TEST(CanvasFill, FillRectCoversLeftTopUpToRightBottomExclusive) {
  Bitmap b = whiteBitmap(6, 5);
  Canvas c(b);
  c.fillRect({1, 1, 4, 3}, kRed);
  c.fillRect({5, 5, 4, 4}, kRed);  // inverted: nothing
  EXPECT_EQ(picture(b, kRed), (Rows{"......", ".###..", ".###..", "......", "......"}));
}

TEST(CanvasFill, SystemColoursAreResolvedAndPixelsOpaque) {
  Bitmap b(2, 1, PixelFormat::Bits32);
  Canvas c(b);
  c.fillRect({0, 0, 2, 1}, clBtnFace);
  EXPECT_EQ(b.pixel(0, 0), 0xFFD4D0C8u);
}

TEST(CanvasFill, ClipRegionWithHoleLeavesHoleUnpainted) {
  Bitmap b = whiteBitmap(5, 5);
  Canvas c(b);
  c.excludeClip({1, 1, 4, 4});
  c.fillRect({0, 0, 5, 5}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"#####", "#...#", "#...#", "#...#", "#####"}));
  EXPECT_FALSE(c.isVisible({1, 1, 4, 4}));
  EXPECT_TRUE(c.isVisible({3, 3, 5, 5}));
}

TEST(CanvasFill, OriginMovesDrawingAndClip) {
  Bitmap b = whiteBitmap(5, 4);
  Canvas c(b);
  c.setOrigin({2, 1});
  c.intersectClip({0, 0, 2, 2});  // device (2,1)-(4,3)
  c.fillRect({-1, -1, 10, 10}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{".....", "..##.", "..##.", "....."}));
  EXPECT_EQ(c.clipBox(), (Rect{0, 0, 2, 2}));
  EXPECT_EQ(c.clipRegion(), Region(Rect{0, 0, 2, 2}));
}

TEST(CanvasFill, ClipRegionIsSetInLogicalCoordinatesWithinTheBitmap) {
  Bitmap b = whiteBitmap(4, 3);
  Canvas c(b);
  c.setOrigin({1, 1});
  Region r(Rect{0, 0, 1, 1});
  r.unite(Rect{2, 1, 10, 10});
  c.setClipRegion(r);
  c.fillRect({-5, -5, 20, 20}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"....", ".#..", "...#"}));
  EXPECT_EQ(c.clipBox(), (Rect{0, 0, 3, 2}));
  c.resetClip();
  EXPECT_EQ(c.clipBox(), (Rect{-1, -1, 3, 2}));
}

TEST(CanvasFill, RestoreBringsBackOriginClipAndTextState) {
  Bitmap b = whiteBitmap(4, 1);
  Canvas c(b);
  {
    Canvas::StateSaver saver(c);
    c.translate(1, 0);
    c.intersectClip({0, 0, 1, 1});
    c.setTextColor(kRed);
    c.setBackgroundMode(BackgroundMode::Transparent);
  }
  c.fillRect({0, 0, 2, 1}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"##.."}));
  EXPECT_EQ(c.origin(), (Point{0, 0}));
  EXPECT_EQ(c.textColor(), clWindowText);
  EXPECT_EQ(c.backgroundMode(), BackgroundMode::Opaque);
  c.restore();  // an unbalanced restore is harmless
  EXPECT_EQ(c.clipBox(), (Rect{0, 0, 4, 1}));
}

TEST(CanvasFill, FrameRectDrawsInsideTheRect) {
  Bitmap b = whiteBitmap(6, 5);
  Canvas c(b);
  c.frameRect({0, 0, 5, 4}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"#####.", "#...#.", "#...#.", "#####.", "......"}));
  Bitmap thick = whiteBitmap(6, 6);
  Canvas t(thick);
  t.frameRect({0, 0, 6, 6}, kRed, 2);
  EXPECT_EQ(picture(thick, kRed), (Rows{"######", "######", "##..##", "##..##", "######", "######"}));
}

TEST(CanvasFill, LinesLeaveOutTheirEndPoint) {
  Bitmap b = whiteBitmap(5, 5);
  Canvas c(b);
  c.drawLine({0, 0}, {4, 0}, kRed);
  c.drawLine({0, 1}, {0, 4}, kRed);
  c.drawLine({1, 1}, {4, 4}, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"####.", "##...", "#.#..", "#..#.", "....."}));
}

TEST(CanvasFill, LinesRunInEitherDirectionAndPolylineJoins) {
  Bitmap b = whiteBitmap(5, 4);
  Canvas c(b);
  c.drawLine({4, 3}, {0, 3}, kRed);  // leftwards: (0,3) left out
  const Point corner[] = {{0, 0}, {3, 0}, {3, 3}};
  c.drawPolyline(corner, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"####.", "...#.", "...#.", ".####"}));
}

TEST(CanvasFill, WideHorizontalLineIsCentred) {
  Bitmap b = whiteBitmap(4, 5);
  Canvas c(b);
  c.drawLine({0, 2}, {3, 2}, kRed, 3);
  EXPECT_EQ(picture(b, kRed), (Rows{"....", "####", "####", "####", "...."}));
}

TEST(CanvasFill, GrabCopiesDevicePixelsUnderTheOrigin) {
  Bitmap b = whiteBitmap(4, 4);
  Canvas c(b);
  c.fillRect({1, 1, 2, 2}, kRed);
  c.setOrigin({1, 1});
  Bitmap g = c.grab({0, 0, 2, 2});
  EXPECT_EQ(picture(g, kRed), (Rows{"#.", ".."}));
}

}  // namespace
}  // namespace tavra
