// The skinned tab control on a form: tab faces in their states and their painting order, the
// page over the tabs that are not selected, hot tracking, the rows, the scroll arrows as skinned
// spin buttons, and the framework's look where the skin lacks the section.
#include <gtest/gtest.h>

#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/core/Form.h"
#include "framework/core/ImageList.h"
#include "framework/controls/TabScroller.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/tabs/SpinButtonAdapter.h"
#include "skin/tabs/sTabControl.h"

namespace tavra::test {
namespace {

constexpr Color kFace = rgb(200, 210, 220);       // inside every tab
constexpr Color kNormal = rgb(0, 0, 160);         // a tab's edge in state 0
constexpr Color kHot = rgb(0, 160, 0);            // state 1
constexpr Color kSelected = rgb(160, 0, 0);       // state 2
constexpr Color kPage = rgb(240, 240, 200);
constexpr Color kPageEdge = rgb(90, 60, 30);
constexpr Color kSpin = rgb(180, 180, 250);
constexpr Color kSpinEdge = rgb(250, 100, 0);
constexpr Color kFormColor = rgb(1, 2, 3);

// A 16 × 16 frame: a 2-pixel ring of `edge` around `inside`.
void ring(Bitmap& master, Rect frame, int width, Color edge, Color inside) {
  master.fillRect(frame, pixelFromColor(edge));
  master.fillRect(frame.inflatedBy(-width, -width), pixelFromColor(inside));
}

TsSkinImage border(const std::string& section, Rect r, int count, int width) {
  TsSkinImage i;
  i.SectionName = section;
  i.PropertyName = "BORDERSMASK";
  i.Left = r.left;
  i.Top = r.top;
  i.Right = r.right;
  i.Bottom = r.bottom;
  i.ImageCount = static_cast<std::int16_t>(count);
  i.WL = i.WT = i.WR = i.WB = static_cast<std::int16_t>(width);
  return i;
}

TsSkinGeneral& addSection(TsStoredSkin& skin, const std::string& name, Color color) {
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  s.FontColor = std::to_string(rgb(0, 0, 0)) + " -1 -1 -1 -1";
  s.HotFontColor = s.FontColor;
  return s;
}

// The fixture skin with a page area, top tabs in three coloured frames and spin buttons; without
// `withTabs` it has no tab section at all.
TsStoredSkin tabSkin(bool withTabs) {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = withTabs ? "Tabs" : "NoTabs";
  Bitmap master(64, 80);
  master.fill(pixelFromColor(clFuchsia));
  master.copyFrom(skin.MasterBitmap, skin.MasterBitmap.bounds(), 0, 0);
  ring(master, Rect::fromSize(0, 48, 16, 16), 2, kNormal, kFace);
  ring(master, Rect::fromSize(16, 48, 16, 16), 2, kHot, kFace);
  ring(master, Rect::fromSize(32, 48, 16, 16), 2, kSelected, kFace);
  ring(master, Rect::fromSize(48, 48, 8, 8), 1, kPageEdge, kPage);
  ring(master, Rect::fromSize(48, 56, 8, 8), 1, kSpinEdge, kSpin);
  skin.MasterBitmap = std::move(master);
  addSection(skin, "PAGECONTROL", kPage);
  skin.Images.push_back(border("PAGECONTROL", Rect::fromSize(48, 48, 8, 8), 1, 1));
  addSection(skin, "UPDOWNBTN", kSpin);
  skin.Images.push_back(border("UPDOWNBTN", Rect::fromSize(48, 56, 8, 8), 1, 1));
  if (withTabs) {
    addSection(skin, "TABTOP", kFace);
    skin.Images.push_back(border("TABTOP", Rect::fromSize(0, 48, 48, 16), 3, 2));
  }
  return skin;
}

class TabControlSkin : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = tabSkin(true);
    sm->internalSkins().add() = tabSkin(false);
    sm->setSkinName("Tabs");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 420, 300);
    form->setColor(kFormColor);
  }

  template <typename T = TsTabControl>
  T& tabs(Rect bounds, int count, int tabWidth = 60) {
    T& t = form->make<T>();
    t.setParent(form);
    t.setBoundsRect(bounds);
    t.setTabWidth(tabWidth);
    std::vector<std::string> captions;
    for (int i = 0; i < count; ++i) captions.push_back(std::string(1, static_cast<char>('a' + i)));
    t.Tabs().Assign(captions);
    return t;
  }
  // The screen's colour at a point of the control's client area.
  Color at(const TControl& c, Point p) {
    const Point s = c.clientToScreen(p);
    return driver.screenshot().colorAt(s.x, s.y);
  }
  // A point on the middle of a rectangle's top edge.
  static Point topEdge(const Rect& r) { return {(r.left + r.right) / 2, r.top}; }
};

TEST_F(TabControlSkin, TheSelectedTabIsDrawnLastOverItsNeighboursAndThePageEdge) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  t.setTabIndex(1);
  driver.settle();
  ASSERT_TRUE(t.SkinData.HasSkin());
  const Rect sel = t.TabRect(1, TabSelection::Selected);
  const Rect first = t.TabRect(0, TabSelection::NotSelected);
  const Rect page = t.pageRectangle();
  ASSERT_EQ(page.top, t.itemRect(0).bottom);
  const Bitmap screen = driver.screenshot();
  auto px = [&](Point p) {
    const Point s = t.clientToScreen(p);
    return screen.colorAt(s.x, s.y);
  };
  EXPECT_EQ(px(topEdge(sel)), kSelected);
  EXPECT_EQ(px({sel.left, sel.top + 6}), kSelected) << "the selected tab's left edge lies over tab 0";
  EXPECT_EQ(px({sel.left + 6, sel.bottom - 1}), kSelected) << "and over the page's edge";
  EXPECT_EQ(px(topEdge(first)), kNormal);
  EXPECT_EQ(px({first.left + 6, first.top + 6}), kFace);
  // Tab 0 reaches 4 pixels under the page; the page is drawn over it.
  EXPECT_EQ(px({first.left + 6, page.top}), kPageEdge);
  EXPECT_EQ(px({first.left + 6, page.top + 2}), kPage);
  // The strip beside the tabs shows the parent.
  EXPECT_EQ(px({page.right - 20, 1}), kFormColor);
  EXPECT_EQ(px({page.left, page.bottom - 10}), kPageEdge);
}

TEST_F(TabControlSkin, WithoutASelectionEveryTabIsNormalAndAClickSelects) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  driver.settle();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(at(t, topEdge(t.TabRect(i, TabSelection::NotSelected))), kNormal) << i;
  EXPECT_NE(at(t, topEdge(t.TabRect(1, TabSelection::Selected))), kSelected);
  const Rect third = t.itemRect(2);
  driver.clickAt(t, {(third.left + third.right) / 2, (third.top + third.bottom) / 2});
  driver.settle();
  EXPECT_EQ(t.TabIndex(), 2);
  EXPECT_EQ(at(t, topEdge(t.TabRect(2, TabSelection::Selected))), kSelected);
  t.setTabIndex(0);
  driver.settle();
  EXPECT_EQ(at(t, topEdge(t.TabRect(2, TabSelection::NotSelected))), kNormal) << "the old one joins its row";
  EXPECT_EQ(at(t, topEdge(t.TabRect(0, TabSelection::Selected))), kSelected);
}

TEST_F(TabControlSkin, HotTrackingShowsTheTabUnderTheMouse) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  t.setTabIndex(2);
  driver.settle();
  const Rect first = t.TabRect(0, TabSelection::NotSelected);
  // Off: nothing changes under the mouse.
  driver.moveTo(t.clientToScreen({first.left + 8, first.top + 6}));
  driver.settle();
  EXPECT_EQ(t.hotTabIndex(), -1);
  EXPECT_EQ(at(t, topEdge(first)), kNormal);
  t.setHotTrack(true);
  driver.moveTo(t.clientToScreen({first.left + 9, first.top + 6}));
  EXPECT_EQ(t.hotTabIndex(), 0);
  EXPECT_EQ(at(t, topEdge(first)), kHot);
  // Over the selected tab nothing is hot, and the tab left behind is normal again.
  const Rect sel = t.TabRect(2, TabSelection::Selected);
  driver.moveTo(t.clientToScreen({(sel.left + sel.right) / 2, sel.top + 6}));
  EXPECT_EQ(t.hotTabIndex(), -1);
  EXPECT_EQ(at(t, topEdge(first)), kNormal);
  EXPECT_EQ(at(t, topEdge(sel)), kSelected);
  // Out of the strip, and out of the control.
  driver.moveTo(t.clientToScreen({first.left + 9, first.top + 6}));
  EXPECT_EQ(t.hotTabIndex(), 0);
  driver.moveTo(t.clientToScreen({100, 80}));
  EXPECT_EQ(t.hotTabIndex(), -1);
  EXPECT_EQ(at(t, topEdge(first)), kNormal);
  driver.moveTo(t.clientToScreen({first.left + 9, first.top + 6}));
  driver.moveTo({400, 290});
  EXPECT_EQ(t.hotTabIndex(), -1);
  EXPECT_EQ(at(t, topEdge(first)), kNormal);
}

TEST_F(TabControlSkin, RowsNearerThePageAreDrawnOverTheRowsAboveThem) {
  form->Show();
  // Three tabs of 60 fit a row of 200: seven tabs make three rows.
  TsTabControl& t = tabs({10, 10, 210, 200}, 7);
  t.setMultiLine(true);
  t.setTabIndex(0);
  driver.settle();
  ASSERT_EQ(t.RowCount(), 3);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(t.Row(i), t.layout().row(i) + 1) << i;
  // A tab of the middle row whose top edge lies inside a tab of the first row.
  const Bitmap screen = driver.screenshot();
  int checked = 0;
  for (int i = 0; i < 7; ++i) {
    if (t.Row(i) != 2) continue;
    const Rect r = t.TabRect(i, TabSelection::NotSelected);
    const Point s = t.clientToScreen({(r.left + r.right) / 2, r.top});
    EXPECT_EQ(screen.colorAt(s.x, s.y), kNormal) << i;
    ++checked;
  }
  EXPECT_GT(checked, 0);
  // The selected tab's row lies next to the page, which starts where that row ends; the
  // selected tab covers the page's edge.
  EXPECT_EQ(t.Row(0), 3);
  EXPECT_EQ(t.pageRectangle().top, t.itemRect(0).bottom);
  const Rect sel = t.TabRect(0, TabSelection::Selected);
  const Point edge = t.clientToScreen({sel.left + 6, sel.bottom - 1});
  EXPECT_EQ(screen.colorAt(edge.x, edge.y), kSelected);
}

TEST_F(TabControlSkin, TheTabAtAPointIsTheFirstWhoseRectangleHoldsIt) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  driver.settle();
  const Rect a = t.TabRect(0, TabSelection::NotSelected);
  const Rect b = t.TabRect(1, TabSelection::NotSelected);
  struct Case {
    Point p;
    int expected;
  };
  const Case cases[] = {
      {{a.left, a.top}, 0},
      {{a.right - 1, a.bottom - 1}, 0},
      {{a.right, a.top + 3}, -1},  // the column a tab gives up on its right belongs to none
      {{b.left, a.top + 3}, 1},
      {{b.left + 3, b.bottom - 1}, 1},
      {{b.left + 3, b.bottom}, -1},
      {{250, 5}, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(t.TabAtPoint(c.p), c.expected) << c.p.x << "," << c.p.y;
}

TEST_F(TabControlSkin, TheScrollArrowsAreSkinnedSpinButtons) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 250, 130}, 10, 40);
  driver.settle();
  TTabScroller* arrows = t.scroller();
  ASSERT_NE(arrows, nullptr);
  ASSERT_TRUE(arrows->visible());
  ASSERT_NE(t.spinButtons(), nullptr);
  EXPECT_EQ(&t.spinButtons()->arrows(), arrows);
  EXPECT_EQ(at(*arrows, {0, arrows->height() / 2}), kSpinEdge);
  EXPECT_EQ(at(*arrows, {arrows->width() / 4, arrows->height() - 1}), kSpinEdge);
  // The arrow under the mouse is hot until the mouse leaves the arrows.
  driver.moveTo(arrows->clientToScreen({arrows->width() - 3, arrows->height() / 2}));
  EXPECT_EQ(t.spinButtons()->hotArrow(), 1);
  driver.moveTo(arrows->clientToScreen({2, arrows->height() / 2}));
  EXPECT_EQ(t.spinButtons()->hotArrow(), -1);
  driver.moveTo(t.clientToScreen({100, 80}));
  EXPECT_EQ(t.spinButtons()->hotArrow(), 0);
  // Scrolled to the end with the right arrow, then a tab of the second half chosen.
  for (int guard = 0; guard < 20 && t.itemRect(9).right > arrows->left(); ++guard) {
    driver.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
  }
  ASSERT_LE(t.itemRect(9).right, arrows->left());
  EXPECT_LT(t.itemRect(0).left, 0);
  const Rect eighth = t.itemRect(7);
  driver.clickAt(t, {(eighth.left + eighth.right) / 2, (eighth.top + eighth.bottom) / 2});
  driver.settle();
  EXPECT_EQ(t.TabIndex(), 7);
  EXPECT_EQ(at(t, topEdge(t.TabRect(7, TabSelection::Selected))), kSelected);
  // The skin's section gone: the arrows are the framework's again.
  t.SkinData.setSkinSection("NOSUCH");
  driver.settle();
  EXPECT_EQ(t.spinButtons(), nullptr);
  EXPECT_NE(at(*arrows, {0, arrows->height() / 2}), kSpinEdge);
}

TEST_F(TabControlSkin, ItAnswersItsOwnHoldAndIsBoundToThePageSectionOfItsSide) {
  constexpr Color kBottomPage = rgb(30, 120, 90);
  TsStoredSkin sides = tabSkin(true);
  sides.Name = "Sides";
  addSection(sides, "PAGECONTROLBOTTOM", kBottomPage);
  sm->internalSkins().add() = std::move(sides);
  sm->setSkinName("Sides");
  form->Show();
  TsTabControl& top = tabs({10, 10, 310, 130}, 3);
  TsTabControl& bottom = tabs({10, 150, 310, 270}, 3);
  bottom.setTabPosition(TTabPosition::tpBottom);
  driver.settle();
  struct Side {
    TsTabControl* control;
    const char* page;
    Color color;
  } sides_[] = {{&top, "PAGECONTROL", kPage}, {&bottom, "PAGECONTROLBOTTOM", kBottomPage}};
  for (const Side& s : sides_) {
    SCOPED_TRACE(s.page);
    EXPECT_EQ(s.control->SkinData.skinSection(), "PAGECONTROL");
    EXPECT_EQ(sendSkinCommand(*s.control, SKC_GETSECTIONINDEX), sm->model().FindSection(s.page) + 1);
    EXPECT_EQ(ParentColorOf(s.control), s.color) << "what a child on the page stands on";
  }
  // A cache about to be composed anew holds no child back: only its own hold counts.
  struct Hold {
    bool dirty, held;
    LResult answer;
  } holds[] = {{false, false, 0}, {true, false, 0}, {false, true, 1}, {true, true, 1}};
  for (const Hold& h : holds) {
    top.SkinData.BackgroundDirty = h.dirty;
    top.SkinData.PaintingHeld = h.held;
    EXPECT_EQ(sendSkinCommand(top, SKC_GETHELD), h.answer) << h.dirty << h.held;
  }
}

TEST_F(TabControlSkin, ASectionTheSkinLacksLeavesTheFrameworkLook) {
  form->Show();
  TsTabControl& skinless = tabs({0, 0, 200, 100}, 3);
  skinless.SkinData.setSkinSection("NOSUCH");
  TTabControl& plain = tabs<TTabControl>({0, 150, 200, 250}, 3);
  skinless.setTabIndex(1);
  plain.setTabIndex(1);
  driver.settle();
  EXPECT_FALSE(skinless.SkinData.HasSkin());
  const Bitmap screen = driver.screenshot();
  const Point a = skinless.clientToScreen({0, 0});
  const Point b = plain.clientToScreen({0, 0});
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 200; ++x) ASSERT_EQ(screen.colorAt(a.x + x, a.y + y), screen.colorAt(b.x + x, b.y + y)) << x << "," << y;
  }
}

TEST_F(TabControlSkin, ASkinWithoutTabSectionsWritesTheCaptionsOverTheStrip) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  t.setTabIndex(1);
  driver.settle();
  const Rect item = t.itemRect(0);
  ASSERT_EQ(at(t, {item.left + 6, item.top}), kNormal);
  sm->setSkinName("NoTabs");
  driver.settle();
  ASSERT_TRUE(t.SkinData.HasSkin());
  EXPECT_EQ(at(t, {item.left + 6, item.top}), kFormColor) << "no tab face";
  EXPECT_EQ(at(t, {item.left + 2, t.pageRectangle().top}), kPageEdge);
  // The caption is there: dark pixels inside the tab's rectangle.
  const Bitmap screen = driver.screenshot();
  int ink = 0;
  for (int y = item.top; y < item.bottom; ++y) {
    for (int x = item.left; x < item.right; ++x) {
      const Point s = t.clientToScreen({x, y});
      if (screen.colorAt(s.x, s.y) == rgb(0, 0, 0)) ++ink;
    }
  }
  EXPECT_GT(ink, 3);
}

TEST_F(TabControlSkin, OwnerDrawnTabsGetTheInsideOfTheirFaces) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3);
  struct Call {
    int index;
    Rect rect;
    bool active;
  };
  std::vector<Call> calls;
  const Color fill = rgb(200, 20, 160);
  t.OnDrawTab = [&](TCustomTabControl&, int index, const Rect& r, bool active, Canvas& c) {
    calls.push_back({index, r, active});
    c.fillRect(r, fill);
  };
  t.setOwnerDraw(true);
  t.setTabIndex(1);
  driver.settle();
  calls.clear();
  t.Invalidate();
  driver.settle();
  ASSERT_EQ(calls.size(), 3u);
  // The tabs in the cache get client coordinates; the selected one, drawn on its own, its own.
  EXPECT_EQ(calls[0].index, 0);
  EXPECT_EQ(calls[0].rect, t.TabRect(0, TabSelection::NotSelected).inflatedBy(-3, -3));
  EXPECT_FALSE(calls[0].active);
  EXPECT_EQ(calls[2].index, 1);
  const Rect sel = t.TabRect(1, TabSelection::Selected);
  EXPECT_EQ(calls[2].rect, (Rect{3, 3, sel.width() - 3, sel.height() - 3}));
  EXPECT_TRUE(calls[2].active);
  EXPECT_EQ(at(t, {(sel.left + sel.right) / 2, sel.top + 6}), fill);
  EXPECT_EQ(at(t, topEdge(sel)), kSelected) << "the face is the skin's";
  const Rect first = t.TabRect(0, TabSelection::NotSelected);
  EXPECT_EQ(at(t, {first.left + 8, first.top + 6}), fill);
}

TEST_F(TabControlSkin, PicturesStandBeforeTheCaptions) {
  form->Show();
  TsTabControl& t = tabs({10, 10, 310, 130}, 3, 80);
  const Color ink = rgb(10, 200, 30);
  TImageList& list = form->make<TImageList>(12, 12);
  Bitmap square(12, 12);
  square.fill(pixelFromColor(ink));
  for (int i = 0; i < 3; ++i) list.add(square);
  t.setImages(&list);
  driver.settle();
  const Rect r = t.TabRect(2, TabSelection::NotSelected);
  const Bitmap screen = driver.screenshot();
  int inkColumns = 0;
  for (int x = r.left; x < r.right; ++x) {
    const Point s = t.clientToScreen({x, (r.top + r.bottom) / 2});
    if (screen.colorAt(s.x, s.y) == ink) ++inkColumns;
  }
  EXPECT_EQ(inkColumns, 12);
}

}  // namespace
}  // namespace tavra::test
