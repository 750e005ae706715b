// The skinned containers and fields: group boxes and their caption, radio groups and their item
// buttons, edits with their frame band and bound label, the tree view's frame and scroll bar, the
// panel's caption; and each one left exactly as its framework class when its section is missing.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "driver/harness/HeadlessDriver.h"
#include "framework/controls/Edit.h"
#include "framework/core/Form.h"
#include "framework/controls/GroupBox.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/ScrollBox.h"
#include "framework/controls/TreeView.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/controls/ScrollBarSkinning.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sRadioButton.h"
#include "skin/controls/sRadioGroup.h"
#include "skin/controls/sScrollBox.h"
#include "skin/controls/sTreeView.h"
#include "skin/labels/TsLabel.h"

namespace tavra::test {
namespace {

constexpr Color kParent = rgb(100, 100, 100);
constexpr Color kEdit = rgb(240, 240, 200);
constexpr Color kEditHot = rgb(255, 255, 220);
constexpr Color kEditText = rgb(0, 0, 128);
constexpr Color kEditBorder = rgb(10, 20, 30);
constexpr Color kGroup = rgb(200, 220, 240);
constexpr Color kGroupBorder = rgb(50, 60, 70);
constexpr Color kCaption = rgb(250, 200, 100);
constexpr Color kChecked = rgb(0, 128, 0);
constexpr Color kUnchecked = rgb(128, 0, 0);
constexpr Color kTrack = rgb(90, 0, 90);
constexpr Color kThumb = rgb(0, 90, 90);
constexpr Color kArrow = rgb(90, 90, 0);
constexpr Color kLow = rgb(30, 130, 30);

TsSkinGeneral& section(TsStoredSkin& skin, const std::string& name, Color color, Color hot, int transparency = 0) {
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = name;
  s.Color = color;
  s.HotColor = hot;
  s.Transparency = s.HotTransparency = transparency;
  s.FontColor = std::to_string(kEditText) + " -1 -1 -1 -1";
  s.HotFontColor = s.FontColor;
  return s;
}

TsSkinImage& image(TsStoredSkin& skin, const std::string& section, const std::string& property, Rect r, int width) {
  TsSkinImage& i = skin.Images.emplace_back();
  i.SectionName = section;
  i.PropertyName = property;
  i.Left = r.left;
  i.Top = r.top;
  i.Right = r.right;
  i.Bottom = r.bottom;
  i.ImageCount = 1;
  i.WL = i.WT = i.WR = i.WB = static_cast<std::int16_t>(width);
  return i;
}

// Flat sections, two-pixel borders with empty centres, one-frame radio marks.
TsStoredSkin boxesSkin() {
  TsStoredSkin skin;
  skin.Name = "Boxes";
  skin.Version = 6.14;
  Bitmap& m = skin.MasterBitmap;
  m = Bitmap(64, 16);
  m.fill(pixelFromColor(clFuchsia));
  m.fillRect({0, 0, 6, 6}, pixelFromColor(kEditBorder));
  m.fillRect({2, 2, 4, 4}, pixelFromColor(clFuchsia));
  m.fillRect({8, 0, 14, 6}, pixelFromColor(kGroupBorder));
  m.fillRect({10, 2, 12, 4}, pixelFromColor(clFuchsia));
  m.fillRect({16, 0, 28, 12}, pixelFromColor(kChecked));
  m.fillRect({32, 0, 44, 12}, pixelFromColor(kUnchecked));
  section(skin, "GLOBALINFO", kParent, kParent);
  section(skin, "EDIT", kEdit, kEditHot);
  image(skin, "EDIT", "BORDERSMASK", {0, 0, 6, 6}, 2);
  section(skin, "GROUPBOX", kGroup, kGroup);
  image(skin, "GROUPBOX", "BORDERSMASK", {8, 0, 14, 6}, 2);
  section(skin, "TABBOTTOM", kCaption, kCaption);
  section(skin, "RADIOBUTTON", clWhite, clWhite, 100);
  image(skin, "GLOBALINFO", "RADIOCHECKED", {16, 0, 28, 12}, 0);
  image(skin, "GLOBALINFO", "RADIOUNCHECKED", {32, 0, 44, 12}, 0);
  TsSkinGeneral& shaded = section(skin, "SHADED", kParent, kParent);
  shaded.GradientPercent = 100;
  shaded.GradientData = std::to_string(rgb(0, 0, 0)) + ";" + std::to_string(rgb(255, 255, 255)) + ";100;0;0";
  section(skin, "PANEL_LOW", kLow, kLow);
  image(skin, "PANEL_LOW", "BORDERSMASK", {0, 0, 6, 6}, 2);
  section(skin, "SCROLLBAR1V", kTrack, kTrack);
  section(skin, "SCROLLSLIDERV", kThumb, kThumb);
  section(skin, "SCROLLBTNTOP", kArrow, kArrow);
  section(skin, "SCROLLBTNBOTTOM", kArrow, kArrow);
  return skin;
}

class BoxesTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;
  TPanel* ground = nullptr;  // a plain grey parent: its background is a colour, not a bitmap

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = boxesSkin();
    sm->setSkinName("Boxes");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 500, 520);
    ground = &form->make<TPanel>();
    ground->setParent(form);
    ground->setBoundsRect({0, 0, 480, 480});
    ground->setBevelOuter(TBevelCut::bvNone);
    ground->setColor(kParent);
    form->Show();
  }

  template <typename T>
  T& child(Rect bounds, const std::string& section = {}) {
    T& c = form->make<T>();
    if constexpr (requires { c.SkinData; }) {
      if (!section.empty()) c.SkinData.setSkinSection(section);
    }
    c.setParent(ground);
    c.setBoundsRect(bounds);
    return c;
  }

  Color screenAt(const TControl& c, Point client) {
    const Bitmap screen = driver.screenshot();
    const Point p = c.clientToScreen(client);
    return screen.colorAt(p.x, p.y);
  }
  // The colour at a point of a windowed control's whole window (frame included).
  Color windowAt(const TWinControl& c, Point inWindow) {
    const Bitmap screen = driver.screenshot();
    const Point p = c.window()->screenOrigin() + inWindow;
    return screen.colorAt(p.x, p.y);
  }
};

TEST(GroupBoxCaption, TheCaptionRectangleFollowsTheLayout) {
  struct Case {
    TsCaptionLayout layout;
    int width;
    int textWidth;
    int yOffset;
    Rect expected;
  };
  const Case cases[] = {
      {TsCaptionLayout::clTopCenter, 200, 60, 0, {65, 0, 133, 15}},   // (200 − 60 − 10) div 2 = 65
      {TsCaptionLayout::clTopLeft, 200, 60, 0, {6, 0, 74, 15}},
      {TsCaptionLayout::clTopRight, 200, 60, 0, {126, 0, 194, 15}},  // 200 − 60 − 14
      {TsCaptionLayout::clTopCenter, 50, 60, 0, {0, 0, 50, 15}},     // never outside the box
      {TsCaptionLayout::clTopCenter, 200, 60, 3, {65, 0, 133, 18}},
      {TsCaptionLayout::clTopCenter, 200, 60, -2, {65, -2, 133, 13}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GroupBoxLook::captionRect(c.width, {c.textWidth, 13}, c.layout, c.yOffset), c.expected)
        << static_cast<int>(c.layout) << " " << c.width << " " << c.yOffset;
  }
  // A line lower than 4 pixels still makes a caption 4 + 2 high.
  EXPECT_EQ(GroupBoxLook::captionRect(100, {10, 2}, TsCaptionLayout::clTopLeft, 0).height(), 6);
  EXPECT_EQ(GroupBoxLook::captionRect(200, {60, 13}, TsCaptionLayout::clTopRight, 0, true).left, 6);
}

TEST_F(BoxesTest, AGroupBoxShowsTheParentBesideItsCaptionItsFrameBelowAndTheCaptionSection) {
  TsGroupBox& box = child<TsGroupBox>({10, 10, 210, 110});
  box.setCaption("Вопросы");
  box.setCaptionLayout(TsCaptionLayout::clTopCenter);
  box.setCaptionSkin("TABBOTTOM");
  driver.settle();
  const Rect caption = box.skinCaptionRect();
  ASSERT_GT(caption.left, 4);
  const Bitmap& cache = box.SkinData.CacheBitmap;
  ASSERT_EQ(cache.size(), (Size{200, 100}));
  const int frameTop = caption.bottom / 2;
  EXPECT_EQ(cache.colorAt(1, frameTop - 1), kParent) << "the band beside the caption";
  EXPECT_EQ(cache.colorAt(1, frameTop), kGroupBorder);
  EXPECT_EQ(cache.colorAt(199, 99), kGroupBorder);
  EXPECT_EQ(cache.colorAt(100, 60), kGroup);
  EXPECT_EQ(cache.colorAt(caption.left, caption.top), kCaption);
  EXPECT_EQ(cache.colorAt(caption.right - 1, caption.bottom - 1), kCaption);
  EXPECT_EQ(cache.colorAt(caption.right, caption.bottom - 1), kGroup) << "right of the caption: the frame's inside";
  EXPECT_EQ(screenAt(box, {100, 60}), kGroup);

  // Without a caption section over a parent without a bitmap, the caption lies on the parent's colour.
  box.setCaptionSkin("");
  driver.settle();
  EXPECT_EQ(box.SkinData.CacheBitmap.colorAt(caption.left, caption.top), kParent);
  // Moving the caption repaints it.
  box.setCaptionLayout(TsCaptionLayout::clTopLeft);
  driver.settle();
  EXPECT_EQ(box.skinCaptionRect().left, 6);
}

TEST_F(BoxesTest, AChildOfAFramedPanelSeesThePanelsCacheAtItsPlaceInsideTheFrame) {
  TsPanel& panel = child<TsPanel>({10, 10, 210, 210}, "SHADED");
  panel.setBorderStyle(TBorderStyle::bsSingle);
  TsGroupBox& box = form->make<TsGroupBox>();
  box.setParent(&panel);
  box.setBoundsRect({20, 30, 120, 90});
  driver.settle();
  const Point frame = panel.window()->clientRect().topLeft();
  ASSERT_EQ(frame, (Point{1, 1}));
  const Bitmap& under = panel.SkinData.CacheBitmap;
  ASSERT_EQ(under.size(), (Size{200, 200}));
  ASSERT_NE(under.colorAt(50, 40), under.colorAt(50, 41)) << "the gradient changes from row to row";
  // The band above the box's frame is the panel's cache at the box's place in the window.
  EXPECT_EQ(box.SkinData.CacheBitmap.colorAt(1, 1), under.colorAt(frame.x + 21, frame.y + 31));
  EXPECT_EQ(screenAt(box, {1, 1}), under.colorAt(frame.x + 21, frame.y + 31));
}

TEST_F(BoxesTest, AScrollBoxPaintsItsSectionWithTheBorderInItsFrame) {
  TsScrollBox& box = child<TsScrollBox>({10, 10, 110, 70});
  driver.settle();
  ASSERT_EQ(box.SkinData.skinSection(), "PANEL_LOW");
  ASSERT_EQ(box.window()->clientRect().topLeft(), (Point{2, 2})) << "a single border: the sunken frame";
  EXPECT_EQ(windowAt(box, {0, 0}), kEditBorder);
  EXPECT_EQ(windowAt(box, {1, 30}), kEditBorder);
  EXPECT_EQ(windowAt(box, {99, 59}), kEditBorder);
  EXPECT_EQ(windowAt(box, {2, 30}), kLow) << "the client area starts inside the frame";
  EXPECT_EQ(windowAt(box, {50, 30}), kLow);
}

TEST_F(BoxesTest, ARadioGroupsItemsAreSkinnedRadioButtonsThatShowTheSkinsMarks) {
  TsRadioGroup& group = child<TsRadioGroup>({10, 10, 310, 70});
  group.setColumns(3);
  group.Items().Assign({"A", "B", "C"});
  int clicks = 0;
  group.OnClick = [&](TComponent&) { ++clicks; };
  driver.settle();
  ASSERT_EQ(group.buttonCount(), 3);
  auto* b = dynamic_cast<TsRadioButton*>(&group.Buttons(1));
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->SkinData.controlKind(), 33);
  EXPECT_EQ(b->SkinData.skinSection(), "RADIOBUTTON");
  EXPECT_TRUE(b->SkinData.HasSkin());
  const Rect mark = b->markRect();
  EXPECT_EQ(mark.size(), (Size{12, 12}));
  const Point centre{mark.left + 6, mark.top + 6};
  EXPECT_EQ(screenAt(*b, centre), kUnchecked);

  driver.clickAt(*b, centre);
  driver.settle();
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(screenAt(*b, centre), kChecked);
  group.setItemIndex(2);
  driver.settle();
  EXPECT_EQ(screenAt(*b, centre), kUnchecked);
  EXPECT_EQ(screenAt(group.Buttons(2), centre), kChecked);
  // The transparent section shows the group's frame inside behind the button.
  EXPECT_EQ(screenAt(*b, {b->width() - 1, 0}), kGroup);
}

TEST_F(BoxesTest, AnEditShowsItsSectionUnderTheTextAndItsBorderInTheFrame) {
  TsEdit& edit = child<TsEdit>({20, 20, 170, 41});
  edit.setText("Иванов");
  driver.settle();
  ASSERT_TRUE(edit.SkinData.HasSkin());
  EXPECT_EQ(edit.SkinData.CacheBitmap.size(), (Size{150, 21}));
  EXPECT_EQ(windowAt(edit, {0, 0}), kEditBorder) << "the frame band";
  EXPECT_EQ(windowAt(edit, {1, 10}), kEditBorder);
  EXPECT_EQ(windowAt(edit, {140, 10}), kEdit) << "the client area shows the section";
  EXPECT_EQ(windowAt(edit, {148, 19}), kEditBorder);

  driver.moveTo(edit.clientToScreen({100, 5}));
  driver.settle();
  EXPECT_EQ(windowAt(edit, {140, 10}), kEditHot) << "hot under the mouse";
  driver.moveTo({490, 390});
  driver.settle();
  EXPECT_EQ(windowAt(edit, {140, 10}), kEdit);

  // Disabled over a parent without a bitmap: mixed half and half with the parent's colour.
  edit.setEnabled(false);
  driver.settle();
  EXPECT_EQ(windowAt(edit, {140, 10}), rgb(170, 170, 150));
  EXPECT_EQ(windowAt(edit, {0, 0}), rgb(55, 60, 65));
}

TEST_F(BoxesTest, AnActiveBoundLabelSitsBesideTheEditAndGoesWhenSwitchedOff) {
  TsEdit& edit = child<TsEdit>({150, 40, 300, 61});
  edit.setName("e1");
  TsBoundLabel& bound = edit.BoundLabel();
  EXPECT_EQ(bound.label(), nullptr) << "inactive: no label";
  bound.setIndent(3);
  bound.setActive(true);
  TsLabel* label = bound.label();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->name(), "e1Label");
  EXPECT_EQ(label->caption(), "e1");
  EXPECT_EQ(label->parent(), ground);
  EXPECT_EQ(label->left() + label->width(), 150 - 3 - 4);
  EXPECT_EQ(label->top(), 40 + (21 - label->height()) / 2);

  bound.setCaption("Фамилия");
  bound.setLayout(TsCaptionPlacement::sclTopCenter);
  EXPECT_EQ(label->caption(), "Фамилия");
  EXPECT_EQ(label->top() + label->height(), 40 - 3);
  EXPECT_EQ(label->left(), 150 + (150 - label->width()) / 2);
  edit.setBounds(150, 100, 150, 21);
  EXPECT_EQ(label->top() + label->height(), 100 - 3) << "follows the edit";

  bound.setActive(false);
  EXPECT_EQ(bound.label(), nullptr);
  for (TControl* c : ground->controls()) EXPECT_EQ(dynamic_cast<TsLabel*>(c), nullptr);
}

TEST_F(BoxesTest, ATreeViewTakesTheSectionsColoursAndPaintsItsFrameAndScrollBarFromTheSkin) {
  TsTreeView& tree = child<TsTreeView>({10, 10, 160, 110});
  tree.setColor(clWhite);
  for (int i = 0; i < 30; ++i) tree.items().Add(nullptr, "Пункт " + std::to_string(i));
  sm->setSkinName("Boxes");  // a skin change: the view takes its section's colours again
  driver.settle();
  EXPECT_EQ(tree.color(), kEdit);
  EXPECT_EQ(tree.font().color, kEditText);
  EXPECT_EQ(windowAt(tree, {0, 0}), kEditBorder);
  const ScrollBar& bar = tree.scrollBar();
  ASSERT_TRUE(bar.shown());
  const Rect thumb = bar.partRect(ScrollBar::Part::Thumb);
  const Rect up = bar.partRect(ScrollBar::Part::LineBack);
  const Rect track = bar.partRect(ScrollBar::Part::PageForward);
  ASSERT_FALSE(thumb.isEmpty());
  ASSERT_FALSE(track.isEmpty());
  EXPECT_EQ(windowAt(tree, {(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2}), kThumb);
  EXPECT_EQ(windowAt(tree, {(up.left + up.right) / 2, up.top + 1}), kArrow);
  EXPECT_EQ(windowAt(tree, {(track.left + track.right) / 2, (track.top + track.bottom) / 2}), kTrack);

  // Bound to a section the skin lacks, it gets its own colours back.
  tree.SkinData.setSkinSection("NOSUCH");
  driver.settle();
  EXPECT_EQ(tree.color(), clWhite);
}

// A control that paints no skin itself (as the page viewer): its bars follow the installed
// painter, from the skin while one is active, plainly otherwise.
TEST_F(BoxesTest, APlainControlsScrollBarIsPaintedFromTheActiveSkinOnceInstalled) {
  struct Uninstall {
    ~Uninstall() { removeScrollBarSkinning(); }
  } uninstall;
  TTreeView& tree = child<TTreeView>({10, 10, 160, 110});
  for (int i = 0; i < 30; ++i) tree.items().Add(nullptr, "Пункт " + std::to_string(i));
  driver.settle();
  const ScrollBar& bar = tree.scrollBar();
  ASSERT_TRUE(bar.shown());
  const Rect thumb = bar.partRect(ScrollBar::Part::Thumb);
  const Rect up = bar.partRect(ScrollBar::Part::LineBack);
  const Rect track = bar.partRect(ScrollBar::Part::PageForward);
  const Point thumbAt{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  const Point upAt{(up.left + up.right) / 2, up.top + 1};
  const Point trackAt{(track.left + track.right) / 2, (track.top + track.bottom) / 2};
  const Color plainThumb = windowAt(tree, thumbAt);
  EXPECT_NE(plainThumb, kThumb);

  installScrollBarSkinning();
  tree.window()->invalidateFrame();
  driver.settle();
  EXPECT_EQ(windowAt(tree, thumbAt), kThumb);
  EXPECT_EQ(windowAt(tree, upAt), kArrow);
  EXPECT_EQ(windowAt(tree, trackAt), kTrack);

  sm->setActive(false);
  tree.window()->invalidateFrame();
  driver.settle();
  EXPECT_EQ(windowAt(tree, thumbAt), plainThumb) << "no active skin: the plain look";
}

TEST_F(BoxesTest, APanelsCaptionLiesInsideItsBevelsAndBorder) {
  TsPanel& panel = child<TsPanel>({10, 10, 110, 60});
  panel.setBevelOuter(TBevelCut::bvLowered);
  panel.setBevelInner(TBevelCut::bvRaised);
  panel.setBevelWidth(2);
  panel.setBorderWidth(3);
  EXPECT_EQ(panel.captionRect(13), (Rect{7, 18, 93, 31}));  // 2 × 2 + 3 in; (36 − 13) div 2 down
  panel.setBevelInner(TBevelCut::bvNone);
  EXPECT_EQ(panel.captionRect(13), (Rect{5, 18, 95, 31}));
}

// Each class, bound to a section the skin lacks, paints as its framework class beside it.
TEST_F(BoxesTest, ASectionTheSkinLacksLeavesEachClassAsItsFrameworkClass) {
  struct Case {
    const char* name;
    std::function<TControl&(Rect)> skinned;
    std::function<TControl&(Rect)> plain;
  };
  auto group = [](TCustomGroupBox& g) -> TControl& {
    g.setCaption("Ввод данных");
    return g;
  };
  auto radios = [](TCustomRadioGroup& g) -> TControl& {
    g.setCaption("Варианты");
    g.setColumns(2);
    g.Items().Assign({"A", "B"});
    g.setItemIndex(1);
    return g;
  };
  auto edit = [](TCustomEdit& e) -> TControl& {
    e.setText("Пётр");
    return e;
  };
  auto tree = [](TCustomTreeView& t) -> TControl& {
    for (int i = 0; i < 12; ++i) t.items().Add(nullptr, "Узел " + std::to_string(i));
    return t;
  };
  const Case cases[] = {
      {"group box", [&](Rect r) -> TControl& { return group(child<TsGroupBox>(r, "NOSUCH")); },
       [&](Rect r) -> TControl& { return group(child<TGroupBox>(r)); }},
      {"radio group",
       [&](Rect r) -> TControl& {
         TsRadioGroup& g = child<TsRadioGroup>(r, "NOSUCH");
         radios(g);
         // Its item buttons are controls of their own: their section is missing too.
         for (int i = 0; i < g.buttonCount(); ++i) dynamic_cast<TsRadioButton&>(g.Buttons(i)).SkinData.setSkinSection("NOSUCH");
         return g;
       },
       [&](Rect r) -> TControl& { return radios(child<TRadioGroup>(r)); }},
      {"edit", [&](Rect r) -> TControl& { return edit(child<TsEdit>(r, "NOSUCH")); },
       [&](Rect r) -> TControl& { return edit(child<TEdit>(r)); }},
      {"tree view", [&](Rect r) -> TControl& { return tree(child<TsTreeView>(r, "NOSUCH")); },
       [&](Rect r) -> TControl& { return tree(child<TTreeView>(r)); }},
      {"scroll box", [&](Rect r) -> TControl& { return child<TsScrollBox>(r, "NOSUCH"); },
       [&](Rect r) -> TControl& { return child<TScrollBox>(r); }},
  };
  int row = 0;
  for (const Case& c : cases) {
    const Rect left = Rect::fromSize(10, 10 + row * 85, 200, 80);
    TControl& a = c.skinned(left);
    TControl& b = c.plain(left.offsetBy(220, 0));
    ++row;
    driver.settle();
    const Bitmap screen = driver.screenshot();
    const Point pa = ground->clientToScreen(a.boundsRect().topLeft());
    const Point pb = ground->clientToScreen(b.boundsRect().topLeft());
    int differing = 0;
    for (int y = 0; y < 80; ++y) {
      for (int x = 0; x < 200; ++x) differing += screen.colorAt(pa.x + x, pa.y + y) != screen.colorAt(pb.x + x, pb.y + y);
    }
    EXPECT_EQ(differing, 0) << c.name;
  }
}

}  // namespace
}  // namespace tavra::test
