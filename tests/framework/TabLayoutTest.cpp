#include "framework/controls/TabLayout.h"

#include <gtest/gtest.h>

namespace tavra::test {
namespace {

constexpr int kTextHeight = 13;  // tab height 13 + 2 + 3 = 18

TabLayout build(std::vector<int> widths, Size size, TabLayoutOptions o = {}, int selected = -1) {
  TabLayout l;
  l.build(widths, kTextHeight, size, o, selected);
  return l;
}

TEST(TabLayout, OneRowOfTabsAsWideAsTheirTextAtLeast54) {
  TabLayout l = build({10, 60, 42}, {300, 200});
  EXPECT_EQ(l.tabHeight(), 18);
  EXPECT_EQ(l.rowCount(), 1);
  EXPECT_EQ(l.itemRect(0), (Rect{2, 2, 56, 20}));
  EXPECT_EQ(l.itemRect(1), (Rect{56, 2, 128, 20}));
  EXPECT_EQ(l.itemRect(2), (Rect{128, 2, 182, 20}));
  EXPECT_EQ(l.itemRect(3), Rect{}) << "outside the tabs";
  EXPECT_EQ(l.itemRect(-1), Rect{});
  EXPECT_EQ(l.displayRect(), (Rect{4, 22, 296, 196}));
  EXPECT_EQ(l.pageRect(), (Rect{0, 20, 300, 200}));
  EXPECT_EQ(l.selectedRect(1), (Rect{54, 0, 130, 21}));
  EXPECT_FALSE(l.needsScrolling());
}

TEST(TabLayout, NoTabsNoRows) {
  TabLayout l = build({}, {300, 200}, {.multiLine = true});
  EXPECT_EQ(l.rowCount(), 0);
  EXPECT_EQ(l.displayRect(), (Rect{4, 4, 296, 196}));
  EXPECT_EQ(l.pageRect(), (Rect{0, 0, 300, 200}));
}

TEST(TabLayout, MultiLineWrapsEvensOutAndStretchesRows) {
  // Five tabs of 54 in 200 pixels: 3 fit before 196; two rows of 3 and 2, stretched to 196.
  TabLayout l = build({0, 0, 0, 0, 0}, {200, 150}, {.multiLine = true});
  ASSERT_EQ(l.rowCount(), 2);
  EXPECT_EQ(l.itemRect(0), (Rect{2, 2, 67, 20}));
  EXPECT_EQ(l.itemRect(1), (Rect{67, 2, 132, 20}));
  EXPECT_EQ(l.itemRect(2), (Rect{132, 2, 198, 20})) << "the remainder goes to the row's last tab";
  EXPECT_EQ(l.itemRect(3), (Rect{2, 18, 100, 36})) << "rows overlap by 2 pixels";
  EXPECT_EQ(l.itemRect(4), (Rect{100, 18, 198, 36}));
  EXPECT_EQ(l.displayRect(), (Rect{4, 40, 196, 146}));
  EXPECT_EQ(l.pageRect().top, 36);
}

TEST(TabLayout, EvenRowsPutTheRemainderInTheFirstRows) {
  // Seven tabs of 54 in 240 pixels wrap 4 + 3; two rows share 7 as 4 and 3.
  TabLayout l = build(std::vector<int>(7, 0), {240, 150}, {.multiLine = true});
  ASSERT_EQ(l.rowCount(), 2);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(l.row(i), 0) << i;
  for (int i = 4; i < 7; ++i) EXPECT_EQ(l.row(i), 1) << i;
}

TEST(TabLayout, RaggedRightRowsAreNotStretched) {
  TabLayout l = build({0, 0, 0, 0, 0}, {200, 150}, {.multiLine = true, .raggedRight = true});
  EXPECT_EQ(l.itemRect(0), (Rect{2, 2, 56, 20}));
  EXPECT_EQ(l.itemRect(3), (Rect{2, 18, 56, 36}));
}

TEST(TabLayout, SelectingMovesItsRowNextToThePage) {
  // Three rows: 0 1 | 2 3 | 4 5.
  TabLayout l = build(std::vector<int>(6, 0), {150, 200}, {.multiLine = true});
  ASSERT_EQ(l.rowCount(), 3);
  EXPECT_EQ(l.row(0), 0);
  EXPECT_EQ(l.row(4), 2);
  l.bringRowToPage(0);
  EXPECT_EQ(l.row(0), 2);
  EXPECT_EQ(l.row(1), 2);
  EXPECT_EQ(l.row(2), 0) << "rows after the moved one go one step up";
  EXPECT_EQ(l.row(4), 1);
  EXPECT_EQ(l.itemRect(0).top, 2 + 2 * 16);
  l.bringRowToPage(4);
  EXPECT_EQ(l.row(4), 2);
  EXPECT_EQ(l.row(0), 1);
  EXPECT_EQ(l.row(2), 0);
  // Building with a selection starts from the natural order and moves that row.
  TabLayout again = build(std::vector<int>(6, 0), {150, 200}, {.multiLine = true}, 3);
  EXPECT_EQ(again.row(3), 2);
  EXPECT_EQ(again.row(0), 0);
  EXPECT_EQ(again.row(4), 1);
}

TEST(TabLayout, TabsBelowThePage) {
  TabLayout l = build({10}, {300, 200}, {.bottom = true});
  EXPECT_EQ(l.itemRect(0), (Rect{2, 180, 56, 198}));
  EXPECT_EQ(l.displayRect(), (Rect{4, 4, 296, 178}));
  EXPECT_EQ(l.pageRect(), (Rect{0, 0, 300, 180}));
}

TEST(TabLayout, FixedSizes) {
  TabLayout l = build({100, 5}, {300, 200}, {.fixedWidth = 40, .tabHeight = 25});
  EXPECT_EQ(l.itemRect(0), (Rect{2, 2, 42, 27}));
  EXPECT_EQ(l.itemRect(1), (Rect{42, 2, 82, 27}));
}

TEST(TabLayout, ARowTooWideScrolls) {
  TabLayout l = build(std::vector<int>(10, 0), {300, 100});
  EXPECT_TRUE(l.needsScrolling());
  EXPECT_EQ(l.rowCount(), 1);
  l.setFirstVisible(2);
  EXPECT_EQ(l.itemRect(2), (Rect{2, 2, 56, 20}));
  EXPECT_EQ(l.itemRect(0), (Rect{-106, 2, -52, 20}));
  l.setFirstVisible(50);
  EXPECT_EQ(l.firstVisible(), 9);
}

TEST(TabLayout, HitTestingPrefersTheSelectedTabAndRowsNearThePage) {
  TabLayout l = build({0, 0, 0, 0, 0}, {200, 150}, {.multiLine = true});
  EXPECT_EQ(l.tabAt({10, 10}, -1), 0);
  EXPECT_EQ(l.tabAt({10, 19}, -1), 3) << "the overlap belongs to the row nearer the page";
  EXPECT_EQ(l.tabAt({10, 60}, -1), -1);
  EXPECT_EQ(l.tabAt({66, 10}, 1), 1) << "the selected tab reaches 2 pixels over its neighbour";
  EXPECT_EQ(l.tabAt({66, 10}, -1), 0);
}

}  // namespace
}  // namespace tavra::test
