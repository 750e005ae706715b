#include "framework/controls/TabControl.h"

#include "FormFixture.h"
#include "framework/core/ImageList.h"
#include "framework/controls/Panel.h"
#include "framework/controls/TabScroller.h"

namespace tavra::test {
namespace {

class TabControlTest : public FormTest {
 protected:
  TabControlTest() : tabs(add<TTabControl>(Rect::fromSize(10, 10, 400, 200))) {
    tabs.Tabs().Assign({"Вариант 1", "Вариант 2", "Вариант 3"});
    tabs.OnChanging = [this](TComponent&, bool& allow) {
      events.push_back("changing " + std::to_string(tabs.TabIndex()));
      allow = allowChange;
    };
    tabs.OnChange = [this](TComponent&) { events.push_back("change " + std::to_string(tabs.TabIndex())); };
    settle();
  }
  Point centreOfTab(int i) {
    Rect r = tabs.itemRect(i);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  TTabControl& tabs;
  std::vector<std::string> events;
  bool allowChange = true;
};

TEST_F(TabControlTest, TabIndexFromCodeRaisesNothing) {
  EXPECT_EQ(tabs.TabIndex(), -1);
  tabs.setTabIndex(2);
  EXPECT_EQ(tabs.TabIndex(), 2);
  tabs.setTabIndex(-1);
  EXPECT_EQ(tabs.TabIndex(), -1);
  tabs.setTabIndex(3);
  EXPECT_EQ(tabs.TabIndex(), -1) << "an index outside the tabs is ignored";
  EXPECT_TRUE(events.empty());
}

TEST_F(TabControlTest, ClickOnATabAsksThenSelectsThenTells) {
  click(tabs, centreOfTab(1));
  EXPECT_EQ(tabs.TabIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"changing -1", "change 1"}));
  events.clear();
  click(tabs, centreOfTab(1));
  EXPECT_TRUE(events.empty()) << "the selected tab again is no change";
  click(tabs, {200, 150});
  EXPECT_TRUE(events.empty()) << "the page is not a tab";
  EXPECT_EQ(tabs.TabIndex(), 1);
}

TEST_F(TabControlTest, ChangingMayRefuse) {
  allowChange = false;
  click(tabs, centreOfTab(2));
  EXPECT_EQ(tabs.TabIndex(), -1);
  EXPECT_EQ(events, std::vector<std::string>{"changing -1"});
}

TEST_F(TabControlTest, ArrowKeysChooseNeighbours) {
  tabs.setFocus();
  tabs.setTabIndex(0);
  key(VK_RIGHT);
  key(VK_RIGHT);
  key(VK_RIGHT);
  EXPECT_EQ(tabs.TabIndex(), 2);
  key(VK_LEFT);
  EXPECT_EQ(tabs.TabIndex(), 1);
  EXPECT_EQ(events, (std::vector<std::string>{"changing 0", "change 1", "changing 1", "change 2", "changing 2", "change 1"}));
}

TEST_F(TabControlTest, AlignedChildrenFillTheDisplayRectangle) {
  TPanel& page = add<TPanel>(Rect::fromSize(0, 0, 10, 10), &tabs);
  page.setAlign(TAlign::alClient);
  settle();
  EXPECT_EQ(tabs.RowCount(), 1);
  EXPECT_EQ(page.boundsRect(), tabs.DisplayRect());
  EXPECT_EQ(tabs.DisplayRect().top, 4 + tabs.itemRect(0).height());
  EXPECT_EQ(tabs.DisplayRect().right, 396);
}

TEST_F(TabControlTest, MultiLineRowsFollowTheWidthAndTheSelection) {
  TPanel& page = add<TPanel>(Rect::fromSize(0, 0, 10, 10), &tabs);
  page.setAlign(TAlign::alClient);
  tabs.setMultiLine(true);
  tabs.setWidth(150);
  settle();
  ASSERT_EQ(tabs.RowCount(), 2);
  EXPECT_EQ(page.top(), tabs.DisplayRect().top);
  EXPECT_EQ(tabs.itemRect(0).top, 2);
  tabs.setTabIndex(0);
  EXPECT_GT(tabs.itemRect(0).top, tabs.itemRect(2).top) << "the selected row lies next to the page";
  EXPECT_TRUE(events.empty());
}

TEST_F(TabControlTest, SelectedTabIsDrawnOpenToThePage) {
  tabs.setTabIndex(1);
  settle();
  Rect selected = tabs.itemRect(1);
  Rect other = tabs.itemRect(0);
  int edgeY = selected.bottom;  // the page's top edge
  Color under = screenAt(tabs.clientToScreen({(selected.left + selected.right) / 2, edgeY}));
  Color beside = screenAt(tabs.clientToScreen({(other.left + other.right) / 2, edgeY}));
  EXPECT_EQ(under, resolveColor(clBtnFace));
  EXPECT_EQ(beside, resolveColor(systemColor(SysColor::BtnHighlight)));
}

TEST_F(TabControlTest, TabsThatDoNotFitScrollWithArrows) {
  std::vector<std::string> many;
  for (int i = 1; i <= 10; ++i) many.push_back(std::to_string(i));
  tabs.Tabs().Assign(many);
  settle();
  TTabScroller* scroller = tabs.scroller();
  ASSERT_NE(scroller, nullptr);
  EXPECT_TRUE(scroller->visible());
  EXPECT_EQ(scroller->window()->className(), "msctls_updown32");
  EXPECT_EQ(tabs.itemRect(0).left, 2);
  click(*scroller, {scroller->width() - 4, scroller->height() / 2});
  EXPECT_EQ(tabs.layout().firstVisible(), 1);
  EXPECT_EQ(tabs.itemRect(1).left, 2);
  EXPECT_TRUE(events.empty()) << "scrolling selects nothing";
  tabs.Tabs().Assign({"a", "b"});
  settle();
  EXPECT_FALSE(scroller->visible());
}

TEST_F(TabControlTest, ArrowsAlsoForTabsGivenBeforeTheControlHasAWindow) {
  TTabControl& early = form_->make<TTabControl>();
  early.Tabs().Assign(std::vector<std::string>(12, "tab"));
  early.setBounds(10, 220, 200, 60);
  early.setParent(form_);
  settle();
  ASSERT_NE(early.scroller(), nullptr);
  EXPECT_TRUE(early.scroller()->window() && early.scroller()->window()->isShowing());
}

TEST_F(TabControlTest, ButtonStylesHaveNoPageEdgeAndPressTheSelectedTab) {
  tabs.setTabIndex(1);
  struct Case {
    TTabStyle style;
    bool normalTabHasEdge;
  };
  for (const Case c : {Case{TTabStyle::tsButtons, true}, Case{TTabStyle::tsFlatButtons, false}}) {
    tabs.setStyle(c.style);
    settle();
    const Rect page = tabs.layout().pageRect();
    EXPECT_EQ(screenAt(tabs.clientToScreen({page.left + 50, page.top + 20})), resolveColor(tabs.color())) << "no page edge";
    EXPECT_EQ(screenAt(tabs.clientToScreen({page.left, page.top + 20})), resolveColor(tabs.color()));
    const Rect selected = tabs.itemRect(1);
    EXPECT_EQ(screenAt(tabs.clientToScreen({selected.left + 5, selected.top})), resolveColor(systemColor(SysColor::BtnShadow))) << "pressed";
    const Rect normal = tabs.itemRect(0);
    EXPECT_EQ(screenAt(tabs.clientToScreen({normal.left + 5, normal.top})) == resolveColor(systemColor(SysColor::BtnHighlight)), c.normalTabHasEdge);
  }
}

TEST_F(TabControlTest, PicturesWidenTheirTabsAndStandBeforeTheCaptions) {
  const Rect before = tabs.itemRect(0);
  const Color ink = rgb(10, 200, 30);
  TImageList& list = form_->make<TImageList>(16, 16);
  Bitmap square(16, 16);
  square.fill(pixelFromColor(ink));
  list.add(square);
  list.add(square);
  list.add(square);
  tabs.OnGetImageIndex = [](TComponent&, int tab, int& image) {
    if (tab == 1) image = -1;
  };
  tabs.setImages(&list);
  settle();
  EXPECT_EQ(tabs.itemRect(0).width(), before.width() + 19);
  EXPECT_EQ(tabs.itemRect(1).width(), before.width()) << "a tab without a picture keeps its width";
  EXPECT_EQ(tabs.itemRect(0).height(), std::max(before.height(), 16 + 5)) << "tall enough for the picture";
  // The picture and the caption are centred together.
  const Rect r = tabs.itemRect(0);
  int inkColumns = 0;
  int firstInk = -1;
  for (int x = r.left; x < r.right; ++x) {
    if (screenAt(tabs.clientToScreen({x, (r.top + r.bottom) / 2})) != ink) continue;
    if (firstInk < 0) firstInk = x;
    ++inkColumns;
  }
  EXPECT_EQ(inkColumns, 16);
  EXPECT_GT(firstInk, r.left + 4);
  const Rect second = tabs.itemRect(1);
  EXPECT_NE(screenAt(tabs.clientToScreen({second.left + 8, (second.top + second.bottom) / 2})), ink);
}

TEST_F(TabControlTest, OwnerDrawnTabsAreDrawnByTheirEvent) {
  struct Call {
    int index;
    Rect rect;
    bool active;
  };
  std::vector<Call> calls;
  const Color fill = rgb(200, 20, 160);
  tabs.OnDrawTab = [&](TCustomTabControl&, int index, const Rect& r, bool active, Canvas& c) {
    calls.push_back({index, r, active});
    c.fillRect(r, fill);
  };
  tabs.setTabIndex(2);
  settle();
  EXPECT_TRUE(calls.empty()) << "not owner-drawn yet";
  tabs.setOwnerDraw(true);
  settle();
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls.back().index, 2) << "the selected tab last";
  EXPECT_TRUE(calls.back().active);
  EXPECT_FALSE(calls.front().active);
  EXPECT_EQ(calls.front().rect, tabs.itemRect(calls.front().index));
  const Rect r = tabs.itemRect(0);
  EXPECT_EQ(screenAt(tabs.clientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2})), fill);
}

}  // namespace
}  // namespace tavra::test
