#include <gtest/gtest.h>

#include "skin/data/Gradient.h"

namespace tavra {
namespace {

constexpr Pixel kUntouched = 0xFF123456;

Bitmap blank(int width, int height) {
  Bitmap bitmap(width, height);
  bitmap.fill(kUntouched);
  return bitmap;
}

TsGradArray parsed(std::string_view text) {
  auto steps = ParseGradient(text);
  EXPECT_TRUE(steps) << text;
  return steps ? steps.value() : TsGradArray{};
}

TEST(ParseGradient, GroupsOfFive) {
  struct Case {
    const char* text;
    size_t steps;
  };
  const Case cases[] = {{"", 0}, {"1;2;3;4", 0}, {"1;2;3;4;5", 1}, {"1;2;3;4;5;6;7", 1}, {"1;;2;;;3;4;5;", 1},
                        {"9817827;1917539;99;0;0;1917539;1917539;0;0;0", 2}, {"1;2;3;0;not read", 1}};
  for (const Case& c : cases) EXPECT_EQ(parsed(c.text).size(), c.steps) << c.text;

  TsGradArray two = parsed("9817827;1917539;99;0;0;1917539;1917539;0;0;0");
  EXPECT_EQ(two[0], (GradientStep{9817827, 1917539, 99, 0}));
  EXPECT_EQ(two[1], (GradientStep{1917539, 1917539, 0, 0}));
  EXPECT_EQ(parsed("1;2;250;1;0")[0].Percent, 100);
  EXPECT_EQ(parsed("1;2;-5;1;0")[0].Percent, 0);
  EXPECT_EQ(parsed("-16777201;0x00FF00;50;2;0")[0].Color1, 0xFF00000Fu);

  for (const char* bad : {"1;2;x;0;0", "red;2;3;0;0", "1;2;3;0;0;1;2;3;zero;0", "1;2;3.5;0;0"}) {
    auto steps = ParseGradient(bad);
    ASSERT_FALSE(steps) << bad;
    EXPECT_NE(steps.error().find("is not a valid integer value"), std::string::npos);
  }
}

TEST(PaintGradient, TwoVerticalStepsOverTwoHundredRows) {
  const TsGradArray steps = parsed("9817827;1917539;99;0;0;1917539;1917539;0;0;0");
  Bitmap bitmap = blank(3, 200);
  PaintGradient(bitmap, {0, 0, 3, 200}, steps);
  EXPECT_EQ(bitmap.colorAt(0, 0), 9817827u);
  EXPECT_EQ(bitmap.colorAt(2, 198), 1917539u);
  EXPECT_EQ(bitmap.colorAt(1, 199), 1917539u);
  // The first band blends: every channel moves monotonically from one colour to the other.
  for (int y = 1; y < 198; ++y) {
    EXPECT_LE(redOf(bitmap.colorAt(0, y)), redOf(bitmap.colorAt(0, y - 1))) << y;
    EXPECT_NE(bitmap.colorAt(0, y), 1917539u) << y;
  }

  Bitmap shorter = blank(3, 100);
  PaintGradient(shorter, {0, 0, 3, 100}, steps);
  EXPECT_EQ(shorter.colorAt(0, 0), 9817827u);
  EXPECT_EQ(shorter.colorAt(0, 99), 1917539u);  // the first band reaches the last row
  EXPECT_NE(shorter.colorAt(0, 98), 1917539u);  // and the second paints nothing
}

TEST(PaintGradient, VerticalBandRowsAreExact) {
  // Red 0 to 198 over rows 0 to 198: row y is red y; the last step repaints from row 198 on.
  TsGradArray steps = {{rgb(0, 0, 0), rgb(198, 0, 0), 99, 0}, {rgb(0, 0, 50), rgb(0, 0, 50), 1, 0}};
  Bitmap bitmap = blank(2, 200);
  PaintGradient(bitmap, {0, 0, 2, 200}, steps);
  for (int y = 0; y < 198; ++y) ASSERT_EQ(bitmap.colorAt(1, y), rgb(y, 0, 0)) << y;
  EXPECT_EQ(bitmap.colorAt(0, 198), rgb(0, 0, 50));
  EXPECT_EQ(bitmap.colorAt(0, 199), rgb(0, 0, 50));
}

TEST(PaintGradient, TwoHalfStepsShareTheMiddleRow) {
  TsGradArray steps = {{rgb(0, 0, 0), rgb(50, 0, 0), 50, 0}, {rgb(0, 100, 0), rgb(0, 149, 0), 50, 0}};
  Bitmap bitmap = blank(1, 100);
  PaintGradient(bitmap, {0, 0, 1, 100}, steps);
  EXPECT_EQ(bitmap.colorAt(0, 0), rgb(0, 0, 0));
  EXPECT_EQ(bitmap.colorAt(0, 49), rgb(49, 0, 0));
  EXPECT_EQ(bitmap.colorAt(0, 50), rgb(0, 100, 0));  // the second band paints over the first's last row
  EXPECT_EQ(bitmap.colorAt(0, 99), rgb(0, 149, 0));
}

TEST(PaintGradient, HorizontalBands) {
  TsGradArray steps = {{rgb(0, 0, 0), rgb(0, 50, 0), 50, 1}, {rgb(0, 0, 100), rgb(0, 0, 149), 50, 1}};
  Bitmap bitmap = blank(100, 3);
  PaintGradient(bitmap, {0, 0, 100, 3}, steps);
  for (int y = 0; y < 3; ++y) {
    EXPECT_EQ(bitmap.colorAt(0, y), rgb(0, 0, 0));
    EXPECT_EQ(bitmap.colorAt(25, y), rgb(0, 25, 0));
    EXPECT_EQ(bitmap.colorAt(50, y), rgb(0, 0, 100));
    EXPECT_EQ(bitmap.colorAt(99, y), rgb(0, 0, 149));
  }
}

TEST(PaintGradient, RoundsHalvesToEven) {
  // Red 0 to 3 over two rows: 0, 1.5 -> 2, 3; then 0 to 1 over two rows: 0, 0.5 -> 0, 1.
  Bitmap bitmap = blank(1, 3);
  PaintGradient(bitmap, {0, 0, 1, 3}, {{rgb(0, 0, 0), rgb(3, 0, 0), 100, 0}});
  EXPECT_EQ(redOf(bitmap.colorAt(0, 1)), 2);
  PaintGradient(bitmap, {0, 0, 1, 3}, {{rgb(0, 0, 0), rgb(1, 0, 0), 100, 0}});
  EXPECT_EQ(redOf(bitmap.colorAt(0, 1)), 0);
}

TEST(PaintGradient, ClipsToTheBitmapAndIgnoresOtherModes) {
  const TsGradArray red = {{rgb(255, 0, 0), rgb(255, 0, 0), 100, 0}};
  Bitmap bitmap = blank(4, 4);
  PaintGradient(bitmap, {-10, 2, 100, 100}, red);
  EXPECT_EQ(bitmap.pixel(0, 1), kUntouched);
  EXPECT_EQ(bitmap.colorAt(0, 2), rgb(255, 0, 0));
  EXPECT_EQ(bitmap.colorAt(3, 3), rgb(255, 0, 0));

  Bitmap untouched = blank(4, 4);
  PaintGradient(untouched, {10, 10, 20, 20}, red);
  PaintGradient(untouched, {0, 0, 4, 4}, {});
  PaintGradient(untouched, {0, 0, 4, 4}, {{rgb(255, 0, 0), rgb(255, 0, 0), 100, 3}});
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(untouched.pixel(x, y), kUntouched);
  }
}

TEST(PaintGradient, TrianglesFromCornersAndCentre) {
  // Five points: top-left red, centre green, top-right, bottom-right and bottom-left blue.
  TsGradArray steps = {{rgb(255, 0, 0), 0, 0, 2}, {rgb(0, 255, 0), 0, 0, 2}, {rgb(0, 0, 255), 0, 0, 2}};
  Bitmap bitmap = blank(101, 101);
  PaintGradient(bitmap, {0, 0, 101, 101}, steps);
  auto near = [](Color actual, Color expected) {
    return std::abs(redOf(actual) - redOf(expected)) <= 8 && std::abs(greenOf(actual) - greenOf(expected)) <= 8 &&
           std::abs(blueOf(actual) - blueOf(expected)) <= 8;
  };
  EXPECT_TRUE(near(bitmap.colorAt(0, 0), rgb(255, 0, 0)));
  EXPECT_TRUE(near(bitmap.colorAt(50, 50), rgb(0, 255, 0)));
  EXPECT_TRUE(near(bitmap.colorAt(100, 100), rgb(0, 0, 255)));
  EXPECT_TRUE(near(bitmap.colorAt(0, 100), rgb(0, 0, 255)));  // missing steps repeat the colour before
  for (int y = 0; y < 101; y += 10) {
    for (int x = 0; x < 101; x += 10) EXPECT_NE(bitmap.pixel(x, y), kUntouched) << x << "," << y;
  }
}

}  // namespace
}  // namespace tavra
