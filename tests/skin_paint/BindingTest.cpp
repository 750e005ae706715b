// The skin binding of controls: binding to a section, the command table, the colour and
// background answers, the cache, skin changes and painting only within the visible region.
#include <gtest/gtest.h>

#include <optional>

#include "PaintFixtures.h"
#include "driver/fixtures/FixtureSkin.h"
#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "framework/controls/Panel.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sFrameBar.h"
#include "skin/controls/sGroupBox.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sTreeView.h"

namespace tavra::test {
namespace {

TsSkinGeneral& addSection(TsStoredSkin& skin, const std::string& name, Color color, int transparency = 0) {
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = name;
  s.Color = color;
  s.HotColor = color;
  s.Transparency = transparency;
  s.FontColor = "0 -1 -1 -1 -1";
  s.HotFontColor = "0 -1 -1 -1 -1";
  return s;
}

void addBorder(TsStoredSkin& skin, const std::string& section, int wl, int wr) {
  TsSkinImage& i = skin.Images.emplace_back();
  i.SectionName = section;
  i.PropertyName = "BORDERSMASK";
  i.Left = 0;
  i.Top = 0;
  i.Right = 48;
  i.Bottom = 16;
  i.ImageCount = 1;
  i.WL = static_cast<std::int16_t>(wl);
  i.WR = static_cast<std::int16_t>(wr);
  i.WT = i.WB = 1;
}

// The fixture skin with the sections these tests need.
TsStoredSkin protocolSkin() {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = "Protocol";
  addSection(skin, "HALF", clBlack, 50);
  TsSkinGeneral& grad = addSection(skin, "GRAD", rgb(90, 90, 90));
  grad.GradientPercent = 100;
  grad.GradientData = std::to_string(rgb(0, 0, 0)) + ";" + std::to_string(rgb(255, 255, 255)) + ";100;0;0";
  addSection(skin, "CLEAR", clWhite, 100);
  addBorder(skin, "CLEAR", 12, 12);
  addSection(skin, "CLEARTHICK", clWhite, 100);
  addBorder(skin, "CLEARTHICK", 13, 12);
  addSection(skin, "FLAT30", rgb(1, 2, 3));
  addBorder(skin, "FLAT30", 15, 15);
  addSection(skin, "FLAT31", rgb(1, 2, 3));
  addBorder(skin, "FLAT31", 16, 15);
  return skin;
}

class BindingTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = protocolSkin();
    sm->setSkinName("Protocol");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 300, 200);
  }

  template <typename T>
  T& child(TWinControl& parent, Rect bounds, const std::string& section = {}) {
    T& c = form->make<T>();
    if (!section.empty()) c.SkinData.setSkinSection(section);
    c.setParent(&parent);
    c.setBoundsRect(bounds);
    return c;
  }
  int index(const std::string& name) const { return sm->model().FindSection(name); }
};

TEST_F(BindingTest, EachKindBindsItsDefaultSectionAndNamesAreStoredUpperCase) {
  struct Case {
    TsCommonData* binding;
    const char* section;
  };
  TsPanel& panel = child<TsPanel>(*form, {0, 0, 10, 10});
  TsBitBtn& button = child<TsBitBtn>(*form, {0, 0, 10, 10});
  TsFrameBar& bar = child<TsFrameBar>(*form, {0, 0, 10, 10});
  TsEdit& edit = child<TsEdit>(*form, {0, 0, 10, 10});
  TsTreeView& tree = child<TsTreeView>(*form, {0, 0, 10, 10});
  TsGroupBox& group = child<TsGroupBox>(*form, {0, 0, 10, 10});
  const Case cases[] = {{&panel.SkinData, "PANEL"}, {&button.SkinData, "BUTTON"}, {&bar.SkinData, "BAR"},
                        {&edit.SkinData, "EDIT"},   {&tree.SkinData, "EDIT"},     {&group.SkinData, "GROUPBOX"}};
  for (const Case& c : cases) {
    EXPECT_EQ(c.binding->skinSection(), c.section);
    EXPECT_EQ(c.binding->sectionIndex(), index(c.section)) << c.section;
  }
  EXPECT_EQ(defaultSectionOfKind(226), "GROUPBOX");
  EXPECT_EQ(defaultSectionOfKind(224), std::nullopt) << "a provider binds its owner's class name";

  panel.SkinData.setSkinSection("half");
  EXPECT_EQ(panel.SkinData.skinSection(), "HALF");
  EXPECT_EQ(panel.SkinData.sectionIndex(), index("HALF"));
  panel.SkinData.setSkinSection("");
  EXPECT_EQ(panel.SkinData.skinSection(), "UNKNOWN");
  EXPECT_EQ(panel.SkinData.sectionIndex(), -1);
}

TEST_F(BindingTest, TheCommandTableAnswers) {
  TsPanel& panel = child<TsPanel>(*form, {0, 0, 40, 30});
  TsPanel& unbound = child<TsPanel>(*form, {0, 0, 40, 30}, "NOSUCH");
  EXPECT_EQ(sendSkinCommand(panel, SKC_ISSKINNED), 1);
  EXPECT_EQ(sendSkinCommand(panel, SKC_GETSECTIONINDEX), index("PANEL") + 1);
  EXPECT_EQ(sendSkinCommand(unbound, SKC_GETSECTIONINDEX), 0);
  sendSkinCommand(panel, SKC_SETHELD, 0, 1);
  EXPECT_TRUE(panel.SkinData.PaintingHeld);
  EXPECT_EQ(sendSkinCommand(panel, SKC_GETHELD), 1);
  sendSkinCommand(panel, SKC_SETHELD, 0, 0);
  EXPECT_EQ(sendSkinCommand(panel, SKC_GETHELD), 0);
  sendSkinCommand(panel, SKC_DIRTY);
  EXPECT_TRUE(panel.SkinData.BackgroundDirty);
  panel.SkinData.PartlyClipped = false;
  sendSkinCommand(panel, SKC_SETCLIPPED);
  EXPECT_EQ(sendSkinCommand(panel, SKC_GETCLIPPED), 1);
}

TEST_F(BindingTest, APanelIsHeldWhileItsParentIsAndShowsAgainOnceNothingAboveIs) {
  form->Show();
  TsPanel& outer = child<TsPanel>(*form, {0, 0, 200, 150}, "GRAD");
  TsPanel& inner = child<TsPanel>(outer, {10, 10, 110, 90}, "GRAD");
  TsBitBtn& button = child<TsBitBtn>(inner, {5, 5, 60, 30});
  driver.settle();
  ASSERT_TRUE(inner.SkinData.PaintsThroughCache());
  EXPECT_EQ(sendSkinCommand(inner, SKC_GETHELD), 0);

  sendSkinCommand(outer, SKC_SETHELD, 0, 1);
  EXPECT_EQ(sendSkinCommand(inner, SKC_GETHELD), 1) << "held through its parent";
  inner.SkinData.PaintingHeld = true;
  button.SkinData.PaintingHeld = true;
  sendSkinCommand(inner, SKC_PARENTPAINTED);
  EXPECT_TRUE(inner.SkinData.PaintingHeld) << "the parent is still held";

  sendSkinCommand(outer, SKC_SETHELD, 0, 0);
  sendSkinCommand(inner, SKC_PARENTPAINTED);
  EXPECT_FALSE(inner.SkinData.PaintingHeld);
  EXPECT_FALSE(inner.window()->updateRegion().isEmpty()) << "redrawn once released";
  EXPECT_FALSE(button.SkinData.PaintingHeld) << "the news reaches the panel's children";
  driver.settle();
  EXPECT_FALSE(inner.SkinData.BackgroundDirty);
}

TEST_F(BindingTest, AManagerBuiltWhereAnotherWasHasModelsOfItsOwn) {
  // A binding knows its indices are current by the manager's model number; a manager that takes
  // the place of a destroyed one must not carry on its numbers.
  std::optional<TsSkinManager> manager;
  manager.emplace(nullptr);
  const TsSkinManager* place = &*manager;
  const std::uint64_t earlier = manager->modelGeneration();
  manager.reset();
  manager.emplace(nullptr);
  ASSERT_EQ(&*manager, place);
  EXPECT_NE(manager->modelGeneration(), earlier);
  EXPECT_NE(manager->modelGeneration(), sm->modelGeneration());
}

TEST_F(BindingTest, ColourAnswersMixTheParentByTransparency) {
  TPanel& white = form->make<TPanel>();
  white.setParent(form);
  white.setBoundsRect({0, 0, 200, 150});
  white.setColor(clWhite);
  TsPanel& half = child<TsPanel>(white, {10, 10, 50, 40}, "HALF");
  // ((255 − 0) × 50 + 0 × 256) shr 8 = 49 for each channel.
  EXPECT_EQ(static_cast<Color>(sendSkinCommand(half, SKC_GETCOLOR)), rgb(49, 49, 49));
  TsPanel& clear = child<TsPanel>(white, {10, 10, 50, 40}, "CLEAR");
  EXPECT_EQ(static_cast<Color>(sendSkinCommand(clear, SKC_GETCOLOR)), clWhite);
  TsPanel& plain = child<TsPanel>(white, {10, 10, 50, 40}, "FLAT30");
  EXPECT_EQ(static_cast<Color>(sendSkinCommand(plain, SKC_GETCOLOR)), rgb(1, 2, 3));
}

TEST_F(BindingTest, NeedsCompositionAboveThirtyPixelsOfBorder) {
  TsPanel& thirty = child<TsPanel>(*form, {0, 0, 60, 40}, "FLAT30");
  TsPanel& thirtyOne = child<TsPanel>(*form, {0, 0, 60, 40}, "FLAT31");
  TsPanel& gradient = child<TsPanel>(*form, {0, 0, 60, 40}, "GRAD");
  EXPECT_FALSE(thirty.SkinData.NeedsComposition());
  EXPECT_TRUE(thirty.SkinData.simpleFill());
  EXPECT_TRUE(thirtyOne.SkinData.NeedsComposition());
  EXPECT_FALSE(thirtyOne.SkinData.simpleFill());
  EXPECT_TRUE(gradient.SkinData.NeedsComposition());
}

TEST_F(BindingTest, ATransparentParentPassesTheRequestUpUnlessItsBordersAreThick) {
  form->Show();
  TsPanel& grand = child<TsPanel>(*form, {0, 0, 200, 150}, "GRAD");
  TsPanel& thin = child<TsPanel>(grand, {10, 5, 110, 85}, "CLEAR");
  TsPanel& thick = child<TsPanel>(grand, {20, 30, 120, 110}, "CLEARTHICK");
  driver.settle();

  TsBackgroundInfo info;
  ASSERT_TRUE(GetParentBackground(info, thin, false));
  EXPECT_EQ(info.Kind, BackgroundKind::Bitmap);
  EXPECT_EQ(info.Bitmap, &grand.SkinData.CacheBitmap);
  EXPECT_EQ(info.OffsetX, 10);
  EXPECT_EQ(info.OffsetY, 5);

  TsBackgroundInfo own;
  ASSERT_TRUE(GetParentBackground(own, thick, false));
  EXPECT_EQ(own.Kind, BackgroundKind::Bitmap);
  EXPECT_EQ(own.Bitmap, &thick.SkinData.CacheBitmap);
  EXPECT_EQ(own.OffsetX, 0);
  EXPECT_EQ(own.OffsetY, 0);

  // The transparent panel shows the grandparent's pixels where its border leaves them.
  const Bitmap screen = driver.screenshot();
  const Point at = thin.clientToScreen({40, 40});
  const Point under = grand.clientToScreen({50, 45});
  EXPECT_EQ(screen.colorAt(at.x, at.y), screen.colorAt(under.x, under.y));
}

TEST_F(BindingTest, HidingEmptiesTheCacheAndShowingRecomposes) {
  form->Show();
  TsPanel& panel = child<TsPanel>(*form, {0, 0, 60, 40}, "GRAD");
  driver.settle();
  ASSERT_EQ(panel.SkinData.CacheBitmap.size(), (Size{60, 40}));
  EXPECT_FALSE(panel.SkinData.BackgroundDirty);
  panel.hide();
  EXPECT_TRUE(panel.SkinData.CacheBitmap.isEmpty());
  panel.show();
  EXPECT_TRUE(panel.SkinData.BackgroundDirty);
  driver.settle();
  EXPECT_EQ(panel.SkinData.CacheBitmap.size(), (Size{60, 40}));
}

TEST_F(BindingTest, ASectionTheSkinLacksLeavesTheFrameworkLook) {
  form->Show();
  TsPanel& skinless = child<TsPanel>(*form, {0, 0, 80, 50}, "NOSUCH");
  TPanel& plain = form->make<TPanel>();
  plain.setParent(form);
  plain.setBoundsRect({100, 0, 180, 50});
  for (TCustomPanel* p : std::initializer_list<TCustomPanel*>{&skinless, &plain}) p->setCaption("Тест");
  driver.settle();
  EXPECT_FALSE(skinless.SkinData.HasSkin());
  const Bitmap screen = driver.screenshot();
  const Point a = skinless.clientToScreen({0, 0});
  const Point b = plain.clientToScreen({0, 0});
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(screen.colorAt(a.x + x, a.y + y), screen.colorAt(b.x + x, b.y + y)) << x << "," << y;
  }
}

TEST_F(BindingTest, AReloadWithANewModelLeavesNoIndexIntoTheOldOne) {
  form->Show();
  TsPanel& panel = child<TsPanel>(*form, {0, 0, 60, 40}, "GRAD");
  driver.settle();
  const std::uint64_t before = sm->modelGeneration();
  sm->setHueOffset(120);
  ASSERT_NE(sm->modelGeneration(), before);
  EXPECT_TRUE(panel.SkinData.IsCurrent());
  EXPECT_TRUE(panel.SkinData.BackgroundDirty);
  ASSERT_NE(panel.SkinData.section(), nullptr);
  EXPECT_EQ(panel.SkinData.section(), &sm->model().Sections[static_cast<size_t>(index("GRAD"))]);
  driver.settle();
  EXPECT_FALSE(panel.SkinData.BackgroundDirty) << "recomposed from the new model";
}

TEST_F(BindingTest, PanelsNeverRecordTheMouseButtonsDo) {
  form->Show();
  TsPanel& panel = child<TsPanel>(*form, {0, 0, 60, 40});
  TsBitBtn& button = child<TsBitBtn>(*form, {100, 0, 160, 30});
  driver.settle();
  driver.moveTo(panel.clientToScreen({5, 5}));
  EXPECT_FALSE(panel.SkinData.MouseOver);
  driver.moveTo(button.clientToScreen({5, 5}));
  EXPECT_TRUE(button.SkinData.MouseOver);
  EXPECT_TRUE(button.SkinData.ShowsHot());
  driver.moveTo({290, 190});
  EXPECT_FALSE(button.SkinData.MouseOver);
}

TEST_F(BindingTest, ASkinnedChildPaintsOnlyItsVisibleRegion) {
  form->Show();
  TsPanel& panel = child<TsPanel>(*form, {10, 10, 110, 90}, "GRAD");
  TPanel& above = form->make<TPanel>();
  above.setParent(form);
  above.setBoundsRect({60, 40, 140, 120});
  above.setColor(rgb(1, 200, 3));
  above.setBevelOuter(TBevelCut::bvNone);
  driver.settle();
  panel.SkinData.BackgroundDirty = true;
  panel.Invalidate();
  driver.settle();
  const Bitmap screen = driver.screenshot();
  const Point inside = above.clientToScreen({5, 5});  // over the panel's area
  EXPECT_EQ(screen.colorAt(inside.x, inside.y), rgb(1, 200, 3));
  const Point mine = panel.clientToScreen({5, 5});
  EXPECT_NE(screen.colorAt(mine.x, mine.y), rgb(1, 200, 3));
}

}  // namespace
}  // namespace tavra::test
