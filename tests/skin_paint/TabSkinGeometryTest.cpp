// The rectangles of the skinned tab control: tab rectangles for every side and style, the page
// and strip around the display rectangle, and the rows of several rows of tabs.
#include <gtest/gtest.h>

#include "skin/tabs/TabSkinGeometry.h"

namespace tavra::test {
namespace {

constexpr TabSelection kSel = TabSelection::Selected;
constexpr TabSelection kNot = TabSelection::NotSelected;

TEST(TabSkinGeometry, TopTabsFromTheirItemRectangle) {
  // A top tab's item (x1, y1, x2, y2): selected (x1 − 2, y1 − 2, x2 + 2, y2 + 2), covering its
  // neighbours and the page's edge; not selected (x1, y1, x2 − 1, y2 + 4), reaching under the page.
  const Rect item{62, 2, 122, 20};
  EXPECT_EQ(skinTabRect(item, kSel, TTabStyle::tsTabs, TabSide::Top), (Rect{60, 0, 124, 22}));
  EXPECT_EQ(skinTabRect(item, kNot, TTabStyle::tsTabs, TabSide::Top), (Rect{62, 2, 121, 24}));
}

TEST(TabSkinGeometry, EverySideAndStyle) {
  const Rect item{10, 20, 40, 80};
  struct Case {
    TabSide side;
    TTabStyle style;
    TabSelection selection;
    Rect expected;
  };
  const Case cases[] = {
      {TabSide::Top, TTabStyle::tsTabs, kSel, {8, 18, 42, 82}},
      {TabSide::Top, TTabStyle::tsTabs, kNot, {10, 20, 39, 84}},
      {TabSide::Bottom, TTabStyle::tsTabs, kSel, {8, 17, 42, 81}},
      {TabSide::Bottom, TTabStyle::tsTabs, kNot, {10, 18, 39, 80}},
      {TabSide::Left, TTabStyle::tsTabs, kSel, {9, 18, 43, 81}},
      {TabSide::Left, TTabStyle::tsTabs, kNot, {10, 19, 43, 80}},
      {TabSide::Right, TTabStyle::tsTabs, kSel, {7, 18, 41, 82}},
      {TabSide::Right, TTabStyle::tsTabs, kNot, {8, 19, 39, 80}},
      // Buttons keep their item rectangle, selected or not, on any side.
      {TabSide::Top, TTabStyle::tsButtons, kSel, item},
      {TabSide::Left, TTabStyle::tsButtons, kNot, item},
      {TabSide::Bottom, TTabStyle::tsFlatButtons, kSel, item},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(skinTabRect(item, c.selection, c.style, c.side), c.expected)
        << "side " << static_cast<int>(c.side) << ", style " << static_cast<int>(c.style) << ", selected "
        << (c.selection == kSel);
  }
  // A tab of no width (scrolled away, or not laid out) stays as it is.
  EXPECT_EQ(skinTabRect(Rect{5, 2, 5, 20}, kSel, TTabStyle::tsTabs, TabSide::Top), (Rect{5, 2, 5, 20}));
}

TEST(TabSkinGeometry, PageAndStripShareTheEdgeFourPixelsAboveTheDisplay) {
  const Size size{300, 200};
  const Rect d = skinDisplayRect(Rect{4, 22, 296, 196});
  EXPECT_EQ(d, (Rect{4, 24, 296, 196}));
  struct Case {
    TabSide side;
    Rect page;
    Rect strip;
  };
  const Case cases[] = {
      {TabSide::Top, {0, 20, 300, 200}, {0, 0, 300, 20}},
      {TabSide::Bottom, {0, 0, 300, 197}, {0, 197, 300, 200}},
      {TabSide::Left, {3, 0, 300, 200}, {0, 0, 3, 200}},
      {TabSide::Right, {0, 0, 297, 200}, {297, 0, 300, 200}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tabPageRect(d, size, c.side, true), c.page) << static_cast<int>(c.side);
    EXPECT_EQ(tabStripRect(d, size, c.side, true), c.strip) << static_cast<int>(c.side);
    // Without tabs both are the whole control.
    EXPECT_EQ(tabPageRect(d, size, c.side, false), (Rect{0, 0, 300, 200}));
    EXPECT_EQ(tabStripRect(d, size, c.side, false), (Rect{0, 0, 300, 200}));
  }
}

TEST(TabSkinGeometry, RowsCountFromTheFarthestFromThePage) {
  // Rows of 18-pixel tabs overlapping by 2: top tabs at y 2, 18, 34.
  const Rect strip{0, 0, 300, 50};
  EXPECT_EQ(tabRowOf(Rect{2, 2, 60, 20}, 3, TabSide::Top, strip), 1);
  EXPECT_EQ(tabRowOf(Rect{2, 18, 60, 36}, 3, TabSide::Top, strip), 2);
  EXPECT_EQ(tabRowOf(Rect{2, 34, 60, 52}, 3, TabSide::Top, strip), 3);
  // Bottom tabs: the row nearest the page (just below the strip's top) is the last.
  const Rect bottomStrip{0, 161, 300, 200};
  EXPECT_EQ(tabRowOf(Rect{2, 164, 60, 182}, 2, TabSide::Bottom, bottomStrip), 2);
  EXPECT_EQ(tabRowOf(Rect{2, 180, 60, 198}, 2, TabSide::Bottom, bottomStrip), 1);
  // One row: always row 1.
  EXPECT_EQ(tabRowOf(Rect{2, 34, 60, 52}, 1, TabSide::Top, strip), 1);
}

}  // namespace
}  // namespace tavra::test
