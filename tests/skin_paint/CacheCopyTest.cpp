// A skinned container's cache put on screen around its children, and its windowless children
// composed off-screen over its background.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PaintFixtures.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/core/CustomControl.h"
#include "framework/core/Form.h"
#include "framework/controls/Panel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/CacheCopy.h"
#include "skin/controls/FrameBand.h"
#include "skin/binding/WindowlessComposer.h"
#include "skin/controls/sPanel.h"

namespace tavra::test {
namespace {

constexpr Color kSentinel = rgb(7, 77, 177);
constexpr Color kCacheColor = rgb(200, 10, 20);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kLime = rgb(0, 255, 0);

// A windowless child that paints `spots` (its own coordinates) and records the skin commands it
// receives.
class Spot : public TGraphicControl {
 public:
  explicit Spot(TComponent* owner) : TGraphicControl(owner) {}
  struct Dot {
    Rect r;
    Color c;
  };
  std::vector<Dot> spots;
  std::vector<unsigned> commands;

  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD) commands.push_back(skinCommandOf(m.WParam_));
    TGraphicControl::WndProc(m);
  }
  bool received(SkinCommand c) const { return std::find(commands.begin(), commands.end(), c) != commands.end(); }

 protected:
  void Paint() override {
    for (const Dot& d : spots) canvas()->fillRect(d.r, d.c);
  }
};

// A child window with the group-box button style whose caption band is `captionBand` high.
class BoxWindow : public TWinControl {
 public:
  explicit BoxWindow(TComponent* owner) : TWinControl(owner) {}
  int captionBand = 6;
  std::uint32_t extraStyle = kGroupBoxButtonStyle;

  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD && skinCommandOf(m.WParam_) == kGroupBoxCaptionHeightCommand) {
      m.Result = captionBand;
      return;
    }
    TWinControl::WndProc(m);
  }

 protected:
  void CreateParams(WindowParams& p) override {
    TWinControl::CreateParams(p);
    p.style |= extraStyle;
  }
};

TsStoredSkin gradientSkin() {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = "Gradient";
  TsSkinGeneral& s = skin.GeneralData.emplace_back();
  s.SectionName = "GRAD";
  s.Color = rgb(90, 90, 90);
  s.HotColor = s.Color;
  s.FontColor = "0 -1 -1 -1 -1";
  s.HotFontColor = "0 -1 -1 -1 -1";
  s.GradientPercent = 100;
  // Vertical, black at the top to white at the bottom: every row of the panel differs.
  s.GradientData = std::to_string(rgb(0, 0, 0)) + ";" + std::to_string(rgb(255, 255, 255)) + ";100;0;0";
  // See-through: asked for its background, a panel in it passes the question to its parent.
  TsSkinGeneral& clear = skin.GeneralData.emplace_back();
  clear.SectionName = "CLEAR";
  clear.Color = clWhite;
  clear.HotColor = clWhite;
  clear.Transparency = 100;
  clear.FontColor = "0 -1 -1 -1 -1";
  clear.HotFontColor = "0 -1 -1 -1 -1";
  return skin;
}

class CacheCopyTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;
  TsPanel* panel = nullptr;

  void SetUp() override {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = gradientSkin();
    sm->setSkinName("Gradient");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 300, 200);
    panel = &form->make<TsPanel>();
    panel->SkinData.setSkinSection("GRAD");
    panel->setBevelOuter(TBevelCut::bvNone);
    panel->setParent(form);
    panel->setBoundsRect({10, 10, 130, 110});
    form->Show();
    driver.settle();
  }

  template <typename T>
  T& child(TWinControl& parent, Rect bounds) {
    T& c = form->make<T>();
    c.setParent(&parent);
    c.setBoundsRect(bounds);
    return c;
  }

  void repaint() {
    panel->Invalidate();
    driver.settle();
  }

  // The panel's cache pixel under a point of the panel's client area.
  Color cacheAt(Point client) const {
    const Point p = client + ClientOffsetIn(*panel);
    return panel->SkinData.CacheBitmap.colorAt(p.x, p.y);
  }

  // Every screen pixel of `r` (panel client coordinates) shows the panel's cache, except those of
  // `except` (same coordinates), which show `exceptColor`.
  ::testing::AssertionResult showsCache(const Rect& r, const Rect& except = {}, Color exceptColor = clNone) {
    const Bitmap screen = driver.screenshot();
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const Point s = panel->clientToScreen({x, y});
        const Color want = except.contains(Point{x, y}) ? exceptColor : cacheAt({x, y});
        if (screen.colorAt(s.x, s.y) != want) {
          return ::testing::AssertionFailure() << "client (" << x << ", " << y << ") is 0x" << std::hex
                                               << screen.colorAt(s.x, s.y) << ", not 0x" << want;
        }
      }
    }
    return ::testing::AssertionSuccess();
  }
};

TEST_F(CacheCopyTest, ATransparentChildShowsThePanelsGradientUnderIt) {
  Spot& label = child<Spot>(*panel, {20, 30, 60, 46});
  label.spots = {{Rect::fromSize(5, 4, 3, 2), kLime}};
  repaint();
  ASSERT_FALSE(panel->SkinData.CacheBitmap.isEmpty());
  // The gradient is really there: rows differ.
  ASSERT_NE(cacheAt({20, 30}), cacheAt({20, 45}));
  EXPECT_TRUE(showsCache({20, 30, 60, 46}, Rect::fromSize(25, 34, 3, 2), kLime));
}

TEST_F(CacheCopyTest, AChildOverASeeThroughPanelsCaptionShowsTheCaption) {
  // The panel's background answer is its parent's colour; the caption is only in its cache.
  panel->SkinData.setSkinSection("CLEAR");
  panel->setCaption("WWWWWW");
  Spot& label = child<Spot>(*panel, {20, 30, 100, 70});
  repaint();
  ASSERT_FALSE(panel->SkinData.CacheBitmap.isEmpty());
  bool captionUnder = false;
  for (int y = 30; y < 70 && !captionUnder; ++y) {
    for (int x = 20; x < 100 && !captionUnder; ++x) captionUnder = cacheAt({x, y}) != cacheAt({20, 30});
  }
  ASSERT_TRUE(captionUnder);
  EXPECT_TRUE(showsCache(label.boundsRect()));
}

TEST_F(CacheCopyTest, AnOpaqueChildGetsItsOwnColourUnderIt) {
  Spot& box = child<Spot>(*panel, {40, 20, 50, 30});
  box.setControlStyle(box.controlStyle() | csOpaque);
  box.setColor(rgb(3, 4, 5));
  repaint();
  EXPECT_TRUE(showsCache({35, 15, 55, 35}, {40, 20, 50, 30}, rgb(3, 4, 5)));
}

TEST_F(CacheCopyTest, AChildThatLeavesClFuchsiaAtItsTopLeftIsNotCopied) {
  Spot& odd = child<Spot>(*panel, {30, 40, 50, 52});
  odd.spots = {{Rect::fromSize(0, 0, 20, 12), kRed}, {Rect::fromSize(0, 0, 1, 1), clFuchsia}};
  odd.setVisible(false);
  repaint();
  odd.setVisible(true);
  repaint();
  EXPECT_TRUE(showsCache({30, 40, 50, 52}));
  // The same child without the clFuchsia pixel shows.
  odd.spots.pop_back();
  repaint();
  EXPECT_TRUE(showsCache({30, 40, 50, 52}, {30, 40, 50, 52}, kRed));
}

TEST_F(CacheCopyTest, APartlyVisibleChildIsToldItIsClipped) {
  Spot& inside = child<Spot>(*panel, {10, 10, 30, 20});
  Spot& across = child<Spot>(*panel, {110, 10, 140, 20});  // the panel's client ends at 120
  repaint();
  EXPECT_FALSE(inside.received(SKC_SETCLIPPED));
  EXPECT_TRUE(across.received(SKC_SETCLIPPED));
}

TEST_F(CacheCopyTest, AnEmptyClipBoxTellsTheContainerItIsClipped) {
  child<Spot>(*panel, {10, 10, 30, 20});
  panel->SkinData.PartlyClipped = false;
  Bitmap target = filled(20, 20, kSentinel);
  Canvas c(target);
  c.excludeClip(target.bounds());
  WindowlessComposer composer;
  composer.paint(*panel, c);
  EXPECT_TRUE(panel->SkinData.PartlyClipped);
  EXPECT_TRUE(allOf(target, target.bounds(), kSentinel));
}

TEST_F(CacheCopyTest, TheCopyLeavesOutWindowlessAndOpaqueChildrenOnly) {
  TPanel& box = child<TPanel>(*form, {0, 0, 60, 40});
  Spot& windowless = child<Spot>(box, {2, 2, 8, 6});
  TPanel& opaque = child<TPanel>(box, {10, 2, 16, 6});
  opaque.setControlStyle(opaque.controlStyle() | csOpaque);
  TPanel& windowed = child<TPanel>(box, {20, 2, 26, 6});
  windowed.setControlStyle(windowed.controlStyle() & ~static_cast<unsigned>(csOpaque));
  Spot& hidden = child<Spot>(box, {30, 2, 36, 6});
  hidden.setVisible(false);
  Spot& outside = child<Spot>(box, {2, 30, 8, 36});  // beyond the target rectangle
  (void)windowless;
  (void)outside;
  // Cache pixel (x, y) is rgb(x, y, 1), so the source position shows.
  Bitmap cache(60, 40);
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) cache.setPixel(x, y, pixelFromColor(rgb(x, y, 1)));
  }
  Bitmap target = filled(60, 40, kSentinel);
  Canvas c(target);
  CopyCache(box, cache, {5, 3}, c, {0, 0, 50, 20});

  struct Case {
    const char* what;
    Rect r;
    bool written;
  };
  const Case cases[] = {
      {"windowless", {2, 2, 8, 6}, false},  {"opaque", {10, 2, 16, 6}, false}, {"windowed", {20, 2, 26, 6}, true},
      {"hidden", {30, 2, 36, 6}, true},     {"outside the target", {2, 20, 60, 40}, false},
      {"right of the target", {50, 0, 60, 20}, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    for (int y = k.r.top; y < k.r.bottom; ++y) {
      for (int x = k.r.left; x < k.r.right; ++x) {
        ASSERT_EQ(target.colorAt(x, y), k.written ? rgb(x + 5, y + 3, 1) : kSentinel) << x << ", " << y;
      }
    }
  }
}

TEST_F(CacheCopyTest, AGroupBoxWindowLeavesOutOnlyItsFrame) {
  TinySkin skin;
  skin.section("GROUPBOX");
  skin.mask({.section = "GROUPBOX", .rect = Rect::fromSize(0, 0, 12, 12), .wl = 3, .wt = 1, .wr = 4, .wb = 2});
  skin.finish();

  TPanel& box = child<TPanel>(*form, {0, 0, 80, 40});
  TPanel& plain = child<TPanel>(box, {2, 2, 10, 10});
  BoxWindow& group = child<BoxWindow>(box, {20, 2, 40, 30});
  BoxWindow& clear = child<BoxWindow>(box, {50, 2, 70, 30});
  clear.window()->setExStyle(clear.window()->exStyle() | WS_EX_TRANSPARENT);
  (void)plain;
  (void)group;
  Bitmap cache = filled(80, 40, kCacheColor);
  Bitmap target = filled(80, 40, kSentinel);
  Canvas c(target);
  CopyCacheAroundWindows(*box.window(), cache, {0, 0}, c, target.bounds(), &skin.model);

  EXPECT_TRUE(allOf(target, {2, 2, 10, 10}, kSentinel));    // a plain child window, whole
  EXPECT_TRUE(allOf(target, {20, 2, 40, 8}, kSentinel));    // the caption band, 6 high
  EXPECT_TRUE(allOf(target, {20, 8, 23, 30}, kSentinel));   // left border, 3
  EXPECT_TRUE(allOf(target, {36, 8, 40, 30}, kSentinel));   // right border, 4
  EXPECT_TRUE(allOf(target, {23, 28, 36, 30}, kSentinel));  // bottom border, 2
  EXPECT_TRUE(allOf(target, {23, 8, 36, 28}, kCacheColor)); // the inside shows the cache
  EXPECT_TRUE(allOf(target, {50, 2, 70, 30}, kSentinel));   // a transparent group box, whole
  EXPECT_TRUE(allOf(target, {40, 0, 50, 40}, kCacheColor));
}

}  // namespace
}  // namespace tavra::test
