#include <gtest/gtest.h>

#include "base/Geometry.h"

namespace tavra {
namespace {

TEST(Rect, ContainsLeftTopButNotRightBottom) {
  const Rect r{2, 3, 5, 7};
  struct Case {
    Point p;
    bool inside;
  };
  for (const Case& c : {Case{{2, 3}, true}, Case{{4, 6}, true}, Case{{5, 3}, false}, Case{{2, 7}, false},
                        Case{{1, 3}, false}, Case{{2, 2}, false}, Case{{5, 7}, false}}) {
    EXPECT_EQ(r.contains(c.p), c.inside) << c.p.x << "," << c.p.y;
  }
  EXPECT_EQ(r.width(), 3);
  EXPECT_EQ(r.height(), 4);
}

TEST(Rect, EmptyWhenNoPixel) {
  EXPECT_TRUE((Rect{0, 0, 0, 5}).isEmpty());
  EXPECT_TRUE((Rect{4, 0, 3, 5}).isEmpty());
  EXPECT_FALSE((Rect{0, 0, 1, 1}).isEmpty());
  EXPECT_FALSE((Rect{0, 0, 0, 0}).contains(Point{0, 0}));
}

TEST(Rect, IntersectionOfTouchingRectsIsEmptyZeroRect) {
  const Rect a{0, 0, 10, 10};
  EXPECT_EQ(a.intersected({10, 0, 20, 10}), Rect{});
  EXPECT_FALSE(a.intersects({10, 0, 20, 10}));
  EXPECT_EQ(a.intersected({5, -5, 15, 5}), (Rect{5, 0, 10, 5}));
  EXPECT_TRUE(a.intersects({9, 9, 11, 11}));
}

TEST(Rect, UnionIgnoresEmptyOperand) {
  const Rect a{1, 1, 3, 3};
  EXPECT_EQ(a.united(Rect{}), a);
  EXPECT_EQ(Rect{}.united(a), a);
  EXPECT_EQ(a.united({5, 0, 6, 2}), (Rect{1, 0, 6, 3}));
}

TEST(Rect, OffsetInflateAndMove) {
  const Rect r = Rect::fromSize(1, 2, 3, 4);
  EXPECT_EQ(r, (Rect{1, 2, 4, 6}));
  EXPECT_EQ(r.offsetBy(10, 20), (Rect{11, 22, 14, 26}));
  EXPECT_EQ(r.inflatedBy(1, 2), (Rect{0, 0, 5, 8}));
  EXPECT_EQ(r.movedTo({0, 0}), (Rect{0, 0, 3, 4}));
  EXPECT_TRUE(r.contains(Rect{1, 2, 4, 6}));
  EXPECT_FALSE(r.contains(Rect{1, 2, 5, 6}));
}

}  // namespace
}  // namespace tavra
