#include <gtest/gtest.h>

#include "gfx/Region.h"

namespace tavra {
namespace {

TEST(Region, SubtractingAHoleLeavesAFrame) {
  Region r(Rect{0, 0, 10, 10});
  r.subtract(Rect{2, 2, 8, 8});
  EXPECT_FALSE(r.contains({5, 5}));
  EXPECT_TRUE(r.contains({1, 5}));
  EXPECT_TRUE(r.contains({9, 9}));
  EXPECT_FALSE(r.contains({10, 9}));
  EXPECT_EQ(r.bounds(), (Rect{0, 0, 10, 10}));
  int area = 0;
  for (const Rect& part : r.rects()) area += part.width() * part.height();
  EXPECT_EQ(area, 100 - 36);
  EXPECT_FALSE(r.intersects({3, 3, 7, 7}));
  EXPECT_TRUE(r.intersects({7, 7, 9, 9}));
}

TEST(Region, UnionIntersectionAndTranslation) {
  Region a(Rect{0, 0, 4, 4});
  a.unite(Rect{4, 0, 8, 4});
  EXPECT_EQ(a, Region(Rect{0, 0, 8, 4}));
  EXPECT_EQ(a.intersected(Rect{6, 2, 20, 20}), Region(Rect{6, 2, 8, 4}));
  EXPECT_EQ(a.translated(1, 2).bounds(), (Rect{1, 2, 9, 6}));
  EXPECT_TRUE(a.intersected(Rect{8, 0, 9, 4}).isEmpty());
}

TEST(Region, EmptyRectsMakeEmptyRegions) {
  EXPECT_TRUE(Region(Rect{5, 5, 5, 9}).isEmpty());
  Region r(Rect{0, 0, 3, 3});
  r.intersect(Rect{});
  EXPECT_TRUE(r.isEmpty());
  EXPECT_EQ(r.bounds(), Rect{});
  r.unite(Rect{2, 2, 1, 1});
  EXPECT_TRUE(r.isEmpty());
}

TEST(Region, CopiesAreIndependent) {
  Region a(Rect{0, 0, 2, 2});
  Region b = a;
  b.subtract(Rect{0, 0, 1, 1});
  EXPECT_TRUE(a.contains({0, 0}));
  EXPECT_FALSE(b.contains({0, 0}));
  Region c = std::move(b);
  EXPECT_FALSE(c.contains({0, 0}));
  EXPECT_TRUE(c.contains({1, 1}));
}

TEST(Region, MovingTakesTheRectanglesAndLeavesTheSourceEmpty) {
  Region a(Rect{0, 0, 10, 10});
  a.subtract(Rect{2, 2, 8, 8});
  const Region expected = a;
  Region b(std::move(a));
  EXPECT_EQ(b, expected);
  EXPECT_TRUE(a.isEmpty());  // NOLINT(bugprone-use-after-move): a moved-from region is empty and usable
  a.unite(Rect{0, 0, 1, 1});
  EXPECT_EQ(a.bounds(), (Rect{0, 0, 1, 1}));

  Region c(Rect{50, 50, 60, 60});
  c = std::move(b);
  EXPECT_EQ(c, expected);
  b = Region(Rect{3, 3, 4, 4});
  EXPECT_EQ(b.bounds(), (Rect{3, 3, 4, 4}));
}

}  // namespace
}  // namespace tavra
