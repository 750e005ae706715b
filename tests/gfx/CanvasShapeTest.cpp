#include <gtest/gtest.h>

#include "PixelTestUtil.h"
#include "gfx/Canvas.h"

namespace tavra {
namespace {
using test::picture;
using test::whiteBitmap;
using Rows = std::vector<std::string>;

constexpr Color kRed = rgb(255, 0, 0);

TriVertex vertex(int x, int y, Color c, std::uint16_t alpha = 0xFF00) {
  return {x, y, static_cast<std::uint16_t>(redOf(c) << 8), static_cast<std::uint16_t>(greenOf(c) << 8),
          static_cast<std::uint16_t>(blueOf(c) << 8), alpha};
}

bool mirrored(const Rows& rows) {
  for (size_t y = 0; y < rows.size(); ++y) {
    std::string flipped(rows[y].rbegin(), rows[y].rend());
    if (flipped != rows[y] || rows[y] != rows[rows.size() - 1 - y]) return false;
  }
  return true;
}

TEST(CanvasShapes, PolygonFillsPixelsWhoseCentreIsInside) {
  Bitmap b = whiteBitmap(5, 5);
  Canvas c(b);
  const Point triangle[] = {{0, 0}, {4, 0}, {0, 4}};
  c.fillPolygon(triangle, kRed);
  EXPECT_EQ(picture(b, kRed), (Rows{"###..", "##...", "#....", ".....", "....."}));

  Bitmap square = whiteBitmap(4, 4);
  Canvas s(square);
  const Point box[] = {{1, 1}, {3, 1}, {3, 4}, {1, 4}};
  s.fillPolygon(box, kRed);
  EXPECT_EQ(picture(square, kRed), (Rows{"....", ".##.", ".##.", ".##."}));
}

TEST(CanvasShapes, PolygonUsesAlternateFill) {
  // Two overlapping squares drawn as one outline: the overlap is a hole.
  Bitmap b = whiteBitmap(6, 6);
  Canvas c(b);
  const Point path[] = {{0, 0}, {4, 0}, {4, 4}, {2, 4}, {2, 2}, {6, 2}, {6, 6}, {0, 6}, {0, 0}};
  c.fillPolygon(std::span(path, 8), kRed);
  EXPECT_EQ(b.colorAt(3, 3), clWhite);
  EXPECT_EQ(b.colorAt(1, 1), kRed);
  EXPECT_EQ(b.colorAt(5, 5), kRed);
}

TEST(CanvasShapes, EllipseIsSymmetricAndInsideItsRect) {
  for (Size size : {Size{8, 8}, Size{9, 5}, Size{12, 7}}) {
    Bitmap b = whiteBitmap(size.width + 2, size.height + 2);
    Canvas c(b);
    c.fillEllipse(Rect::fromSize(1, 1, size.width, size.height), kRed);
    Bitmap inner = b.copy(Rect::fromSize(1, 1, size.width, size.height));
    const Rows rows = picture(inner, kRed);
    EXPECT_TRUE(mirrored(rows)) << size.width << "x" << size.height;
    EXPECT_EQ(test::inkBounds(b, clWhite), Rect::fromSize(1, 1, size.width, size.height));
    EXPECT_EQ(inner.colorAt(0, 0), clWhite);
    EXPECT_EQ(inner.colorAt(size.width / 2, size.height / 2), kRed);
  }
}

TEST(CanvasShapes, EllipseOutlineIsTheEdgeOfTheFilledEllipse) {
  const Rect r{0, 0, 11, 9};
  Bitmap filled = whiteBitmap(11, 9), outline = whiteBitmap(11, 9);
  Canvas(filled).fillEllipse(r, kRed);
  Canvas(outline).frameEllipse(r, kRed);
  EXPECT_TRUE(mirrored(picture(outline, kRed)));
  for (int y = 0; y < 9; ++y) {
    int first = -1;
    for (int x = 0; x < 11; ++x) {
      if (outline.colorAt(x, y) == kRed) {
        EXPECT_EQ(filled.colorAt(x, y), kRed) << x << "," << y;
      }
      if (first < 0 && filled.colorAt(x, y) == kRed) first = x;
    }
    ASSERT_GE(first, 0);
    EXPECT_EQ(outline.colorAt(first, y), kRed) << "row " << y;
  }
  EXPECT_EQ(outline.colorAt(5, 4), clWhite);
}

TEST(CanvasShapes, RoundRectCutsItsCorners) {
  Bitmap b = whiteBitmap(10, 8);
  Canvas c(b);
  c.fillRoundRect({0, 0, 10, 8}, 6, 6, kRed);
  EXPECT_EQ(b.colorAt(0, 0), clWhite);
  EXPECT_EQ(b.colorAt(9, 7), clWhite);
  EXPECT_EQ(b.colorAt(0, 4), kRed);
  EXPECT_EQ(b.colorAt(5, 0), kRed);
  EXPECT_TRUE(mirrored(picture(b, kRed)));

  Bitmap square = whiteBitmap(4, 3);
  Canvas(square).fillRoundRect({0, 0, 4, 3}, 0, 0, kRed);
  EXPECT_EQ(test::countColor(square, kRed), 12);

  Bitmap frame = whiteBitmap(10, 8);
  Canvas(frame).frameRoundRect({0, 0, 10, 8}, 6, 6, kRed);
  EXPECT_EQ(frame.colorAt(5, 0), kRed);
  EXPECT_EQ(frame.colorAt(5, 1), clWhite);
  EXPECT_EQ(frame.colorAt(0, 4), kRed);
  EXPECT_EQ(frame.colorAt(0, 0), clWhite);
}

TEST(CanvasShapes, TriangleHasVertexColoursAtItsCornersAndBlendsInside) {
  Bitmap b = whiteBitmap(9, 9);
  Canvas c(b);
  const TriVertex v[] = {vertex(0, 0, rgb(255, 0, 0)), vertex(8, 0, rgb(0, 255, 0)), vertex(0, 8, rgb(0, 0, 255))};
  const std::array<int, 3> t[] = {{0, 1, 2}};
  c.gradientFillTriangles(v, t);
  EXPECT_EQ(b.colorAt(0, 0), rgb(255, 0, 0));
  // At (2, 2) the weights are 1/2, 1/4, 1/4 of 0xFF00: 0x7F80, 0x3FC0, 0x3FC0.
  EXPECT_EQ(b.colorAt(2, 2), rgb(0x7F, 0x3F, 0x3F));
  EXPECT_EQ(b.colorAt(6, 0), rgb(0x3F, 0xBF, 0x00));  // 1/4 red, 3/4 green: 0x3FC0, 0xBF40
  EXPECT_EQ(b.colorAt(7, 0), clWhite);                // centre (7.5, 0.5) is on the hypotenuse: outside
  EXPECT_EQ(b.colorAt(4, 4), clWhite);                // centre (4.5, 4.5) is beyond the hypotenuse
}

TEST(CanvasShapes, TwoTrianglesTileARectangleWithoutGapsOrOverlap) {
  Bitmap b = whiteBitmap(7, 6);
  Canvas c(b);
  c.setOrigin({1, 1});
  const TriVertex v[] = {vertex(0, 0, rgb(10, 10, 10)), vertex(5, 0, rgb(10, 10, 10)), vertex(5, 4, rgb(10, 10, 10)),
                         vertex(0, 4, rgb(10, 10, 10))};
  const std::array<int, 3> t[] = {{0, 1, 2}, {0, 2, 3}, {0, 1, 9}};  // the last one is skipped
  c.gradientFillTriangles(v, t);
  EXPECT_EQ(test::inkBounds(b, clWhite), (Rect{1, 1, 6, 5}));
  EXPECT_EQ(test::countColor(b, rgb(10, 10, 10)), 20);
}

TEST(CanvasShapes, TriangleAlphaGoesToThirtyTwoBitTargetsOnly) {
  const TriVertex v[] = {vertex(0, 0, rgb(1, 2, 3), 0x8000), vertex(4, 0, rgb(1, 2, 3), 0x8000), vertex(0, 4, rgb(1, 2, 3), 0x8000)};
  const std::array<int, 3> t[] = {{0, 1, 2}};
  Bitmap b32(4, 4, PixelFormat::Bits32), b24(4, 4);
  Canvas(b32).gradientFillTriangles(v, t);
  Canvas(b24).gradientFillTriangles(v, t);
  EXPECT_EQ(b32.pixel(0, 0), 0x80010203u);
  EXPECT_EQ(b24.pixel(0, 0), 0xFF010203u);
}

TEST(CanvasShapes, GradientRectStepsLikeSixteenBitChannels) {
  Bitmap b = whiteBitmap(4, 2);
  Canvas c(b);
  c.gradientFillRect({0, 0, 4, 2}, clBlack, clWhite, GradientDirection::Horizontal);
  const Color expected[] = {rgb(0, 0, 0), rgb(63, 63, 63), rgb(127, 127, 127), rgb(191, 191, 191)};
  for (int x = 0; x < 4; ++x) {
    EXPECT_EQ(b.colorAt(x, 0), expected[x]) << x;
    EXPECT_EQ(b.colorAt(x, 1), expected[x]) << x;
  }
  Bitmap v = whiteBitmap(1, 2);
  Canvas(v).gradientFillRect({0, 0, 1, 2}, rgb(0, 0, 200), rgb(0, 0, 100), GradientDirection::Vertical);
  EXPECT_EQ(v.colorAt(0, 0), rgb(0, 0, 200));
  EXPECT_EQ(v.colorAt(0, 1), rgb(0, 0, 150));
}

}  // namespace
}  // namespace tavra
