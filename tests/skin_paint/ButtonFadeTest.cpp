// Skinned bit and speed buttons on the headless display with the virtual clock: their states,
// their window shapes, their disabled look, cross-fades between looks on mouse events, and what
// a missing section or a skin change does to them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "PaintFixtures.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/controls/BitBtn.h"
#include "framework/core/Form.h"
#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/ButtonFades.h"
#include "skin/controls/sBitBtn.h"
#include "skin/controls/sPanel.h"
#include "skin/controls/sSpeedButton.h"

namespace tavra::test {
namespace {

constexpr Color kNormal = rgb(200, 200, 200);
constexpr Color kHot = rgb(100, 150, 250);
constexpr Color kNormalEdge = rgb(60, 80, 130);   // the fixture's border frames, outer line
constexpr Color kHotEdge = rgb(40, 110, 200);
constexpr Color kPressedEdge = rgb(30, 50, 100);

// The fixture skin with flat buttons that fade over `iterations` steps; `tint` moves the hot
// colour (a second skin of the same shape).
TsStoredSkin fadingSkin(const std::string& name, int iterations, Color hot = kHot) {
  TsStoredSkin skin = fixtureSkin();
  skin.Name = name;
  for (TsSkinGeneral& s : skin.GeneralData) {
    if (s.SectionName != "BUTTON" && s.SectionName != "SPEEDBUTTON") continue;
    s.Color = kNormal;
    s.HotColor = hot;
    s.GradientPercent = s.HotGradientPercent = 0;
    s.Transparency = s.HotTransparency = 0;
    s.FadingEnabled = iterations > 0;
    s.FadingIterations = iterations;
  }
  return skin;
}

// A bit button that records the fade frames it is given.
class RecordingBitBtn : public TsBitBtn {
 public:
  using TsBitBtn::TsBitBtn;
  struct Shown {
    TimeMs at;
    Color centre;
  };
  std::vector<Shown> frames;
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD && skinCommandOf(m.WParam_) == SKC_DRAWFADEFRAME) {
      const auto& frame = *reinterpret_cast<const Bitmap*>(m.LParam_);
      frames.push_back({WindowSystem::instance().now(), frame.colorAt(frame.width() / 2, frame.height() / 2)});
    }
    TsBitBtn::WndProc(m);
  }
};

class RecordingSpeedButton : public TsSpeedButton {
 public:
  using TsSpeedButton::TsSpeedButton;
  std::vector<Color> steps;
  void WndProc(TMessage& m) override {
    if (m.Msg == SM_SKINCMD && skinCommandOf(m.WParam_) == SKC_ANIMSTEP && animTimer()) {
      const Bitmap& frame = animTimer()->Frame;
      steps.push_back(frame.colorAt(frame.width() / 2, frame.height() / 2));
    }
    TsSpeedButton::WndProc(m);
  }
};

class ButtonFadeTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;
  TsSkinManager* sm = nullptr;
  TForm* form = nullptr;

  void useSkin(int iterations) {
    sm = &driver.app().make<TsSkinManager>();
    sm->internalSkins().add() = fadingSkin("Fading", iterations);
    sm->internalSkins().add() = fadingSkin("Other", iterations, rgb(250, 120, 40));
    sm->setSkinName("Fading");
    form = &driver.app().CreateForm<TForm>();
    form->setBounds(0, 0, 300, 200);
    form->Show();
  }
  template <typename T>
  T& button(Rect bounds, TWinControl* parent = nullptr) {
    T& b = form->make<T>();
    b.setParent(parent ? parent : form);
    b.setBoundsRect(bounds);
    return b;
  }
  Color shownAt(const TControl& c, Point p) {
    const Point s = c.clientToScreen(p);
    return driver.screenshot().colorAt(s.x, s.y);
  }
  Color centreShown(const TControl& c) { return shownAt(c, {c.width() / 2, c.height() / 2}); }
  Point away() { return form->clientToScreen({290, 190}); }
};

TEST_F(ButtonFadeTest, ABorderOfThreeFramesFollowsHoverAndPress) {
  useSkin(0);
  TsBitBtn& b = button<TsBitBtn>({20, 20, 120, 50});
  TsBitBtn& other = button<TsBitBtn>({140, 20, 240, 50});
  driver.settle();
  const Point edge{0, 15};
  EXPECT_EQ(shownAt(b, edge), kNormalEdge);
  driver.moveTo(b.clientToScreen({50, 15}));
  EXPECT_EQ(shownAt(b, edge), kHotEdge);
  driver.mouseDown(b.clientToScreen({50, 15}));
  EXPECT_EQ(shownAt(b, edge), kPressedEdge);
  // Dragged off, the press shows only while the mouse is over the button (focused: hot).
  driver.moveTo(other.clientToScreen({50, 15}));
  EXPECT_EQ(shownAt(b, edge), kHotEdge);
  driver.moveTo(b.clientToScreen({50, 15}));
  EXPECT_EQ(shownAt(b, edge), kPressedEdge);
  driver.mouseUp(b.clientToScreen({50, 15}));
  EXPECT_EQ(shownAt(b, edge), kHotEdge);
  b.setDown(true);
  driver.moveTo(away());
  EXPECT_EQ(shownAt(b, edge), kPressedEdge) << "Down shows the press without the mouse";
}

TEST_F(ButtonFadeTest, AButtonOnAHeldParentStillShowsALookOnItsFirstPaint) {
  useSkin(0);
  TsPanel& panel = button<TsPanel>({0, 0, 200, 100});
  driver.settle();
  sendSkinCommand(panel, SKC_SETHELD, 0, 1);
  TsBitBtn& b = button<TsBitBtn>({20, 20, 120, 50}, &panel);
  driver.settle();
  // The panel's paint ended its own hold and told the button, which shows its look.
  EXPECT_FALSE(panel.SkinData.PaintingHeld);
  EXPECT_FALSE(b.SkinData.PaintingHeld);
  EXPECT_EQ(centreShown(b), kNormal);
  EXPECT_EQ(shownAt(b, {0, 15}), kNormalEdge);
}

TEST_F(ButtonFadeTest, AButtonPaintedWhileItsParentIsHeldWaitsForTheParentsPaint) {
  useSkin(0);
  TsPanel& panel = button<TsPanel>({0, 0, 200, 100});
  TsBitBtn& b = button<TsBitBtn>({20, 20, 120, 50}, &panel);
  driver.settle();
  sendSkinCommand(panel, SKC_SETHELD, 0, 1);
  b.Invalidate();
  driver.settle();
  EXPECT_TRUE(b.SkinData.PaintingHeld) << "painted alone, under a held parent";
  panel.Invalidate();
  driver.settle();
  EXPECT_FALSE(panel.SkinData.PaintingHeld);
  EXPECT_FALSE(b.SkinData.PaintingHeld) << "the parent's paint released it";
  EXPECT_EQ(centreShown(b), kNormal);
}

TEST_F(ButtonFadeTest, TransparentMaskCornersAreCutFromTheWindowSoClicksReachTheParent) {
  useSkin(0);
  TsBitBtn& b = button<TsBitBtn>({20, 20, 120, 50});
  int clicks = 0;
  b.OnClick = [&](TComponent&) { ++clicks; };
  driver.settle();
  ASSERT_TRUE(b.shape().has_value());
  for (Point corner : {Point{0, 0}, Point{99, 0}, Point{0, 29}, Point{99, 29}}) EXPECT_FALSE(b.shape()->contains(corner));
  for (Point inside : {Point{1, 0}, Point{0, 1}, Point{50, 15}, Point{98, 29}}) EXPECT_TRUE(b.shape()->contains(inside));
  driver.settle();
  ASSERT_TRUE(b.window()->windowRegion().has_value());
  driver.click(b.clientToScreen({0, 0}));
  EXPECT_EQ(clicks, 0);
  driver.click(b.clientToScreen({1, 1}));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonFadeTest, EnteringFadesInFiveFramesTenMillisecondsApartEndingInTheHotLook) {
  useSkin(5);
  RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
  driver.settle();
  EXPECT_EQ(centreShown(b), kNormal);
  const TimeMs start = driver.now();
  driver.moveTo(b.clientToScreen({50, 15}));
  std::vector<Color> screen;
  for (int i = 0; i < 8; ++i) {
    driver.advance(10);
    screen.push_back(centreShown(b));
  }
  ASSERT_EQ(b.frames.size(), 5u);
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(b.frames[i].at, start + 10 * static_cast<TimeMs>(i + 1));
    EXPECT_EQ(screen[i], b.frames[i].centre) << "frame " << i << " is on the screen";
  }
  // The first frame is mostly the old look, each one closer to the new.
  EXPECT_EQ(b.frames[0].centre, rgb((200 * 204 + 100 * 51 + 127) >> 8, (200 * 204 + 150 * 51 + 127) >> 8, (200 * 204 + 250 * 51 + 127) >> 8));
  for (size_t i = 1; i < 5; ++i) EXPECT_GT(blueOf(b.frames[i].centre), blueOf(b.frames[i - 1].centre));
  EXPECT_EQ(b.frames[4].centre, kHot);
  EXPECT_EQ(screen.back(), kHot);
  EXPECT_EQ(b.fadeTimer(), nullptr);
}

TEST_F(ButtonFadeTest, APressFadesHalfAsLongAndOneIterationNotAtAll) {
  useSkin(5);
  struct Case {
    int iterations;
    size_t frames;
  };
  for (const Case c : {Case{5, 2}, Case{4, 2}, Case{1, 0}}) {
    SCOPED_TRACE(c.iterations);
    const std::string name = "Press" + std::to_string(c.iterations);
    sm->internalSkins().add() = fadingSkin(name, c.iterations);
    sm->setSkinName(name);
    RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
    driver.moveTo(b.clientToScreen({50, 15}));
    driver.advance(100);
    b.frames.clear();
    driver.mouseDown(b.clientToScreen({50, 15}));
    driver.advance(100);
    EXPECT_EQ(b.frames.size(), c.frames);
    EXPECT_EQ(shownAt(b, {0, 15}), kPressedEdge);
    driver.mouseUp(b.clientToScreen({50, 15}));
    driver.advance(100);
    b.setParent(nullptr);
  }
}

TEST_F(ButtonFadeTest, AReleaseDuringThePressFadeShowsThePressAtOnceThenFadesToHot) {
  useSkin(10);  // a press fades in 5 steps
  RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
  driver.settle();
  driver.moveTo(b.clientToScreen({50, 15}));
  driver.advance(200);
  driver.mouseDown(b.clientToScreen({50, 15}));
  driver.advance(10);
  ASSERT_NE(b.fadeTimer(), nullptr);
  ASSERT_EQ(b.frames.size(), 11u);  // ten of the entering fade, one of the press
  b.frames.clear();
  const TimeMs before = driver.now();
  driver.mouseUp(b.clientToScreen({50, 15}));
  EXPECT_GE(driver.now() - before, 30) << "the pressed look stays for 30 ms";
  EXPECT_EQ(shownAt(b, {0, 15}), kPressedEdge) << "the press is shown whole first";
  EXPECT_TRUE(b.frames.empty());
  driver.advance(100);
  ASSERT_EQ(b.frames.size(), 5u);
  EXPECT_EQ(shownAt(b, {0, 15}), kHotEdge);
  EXPECT_EQ(centreShown(b), kHot);
}

TEST_F(ButtonFadeTest, LeavingDuringAnEnteringFadeStartsFromTheFrameShown) {
  useSkin(5);
  RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
  driver.settle();
  driver.moveTo(b.clientToScreen({50, 15}));
  driver.advance(20);
  ASSERT_EQ(b.frames.size(), 2u);
  const Color shown = b.frames[1].centre;
  EXPECT_EQ(centreShown(b), shown);
  driver.moveTo(away());
  EXPECT_EQ(centreShown(b), shown) << "nothing jumps when the fade turns";
  driver.advance(10);
  ASSERT_EQ(b.frames.size(), 3u);
  auto mix = [](int from, int to) { return (from * 204 + to * 51 + 127) >> 8; };
  EXPECT_EQ(b.frames[2].centre, rgb(mix(redOf(shown), 200), mix(greenOf(shown), 200), mix(blueOf(shown), 200)));
  driver.advance(100);
  EXPECT_EQ(b.frames.size(), 7u);
  EXPECT_EQ(centreShown(b), kNormal);
}

TEST_F(ButtonFadeTest, ADisabledButtonShowsFortyPercentOverItsParent) {
  useSkin(0);
  struct Case {
    const char* parentSection;
    bool parentBitmap;
  };
  // BAR answers with its gradient bitmap, PANEL with its colour.
  for (const Case c : {Case{"BAR", true}, Case{"PANEL", false}}) {
    SCOPED_TRACE(c.parentSection);
    TsPanel& panel = button<TsPanel>({0, 0, 200, 100});
    panel.SkinData.setSkinSection(c.parentSection);
    TsBitBtn& b = button<TsBitBtn>({20, 20, 120, 50}, &panel);
    driver.settle();
    const Color own = b.SkinData.CacheBitmap.colorAt(50, 15);
    b.setEnabled(false);
    driver.settle();
    TsBackgroundInfo info;
    GetParentBackground(info, panel, false);
    const TsCacheView view = BackgroundToView(info);
    const Color under = c.parentBitmap ? colorFromPixel(*view.offsetBy(20, 20).pixelAt(50, 15)) : view.FillColor;
    ASSERT_EQ(info.Kind == BackgroundKind::Bitmap, c.parentBitmap);
    auto channel = [&](int o, int u) { return c.parentBitmap ? static_cast<int>(std::lround(0.4 * o + 0.6 * u)) : static_cast<int>(std::lround(0.5 * o + 0.5 * u)); };
    const Color expected = rgb(channel(redOf(own), redOf(under)), channel(greenOf(own), greenOf(under)), channel(blueOf(own), blueOf(under)));
    EXPECT_EQ(centreShown(b), expected);
    panel.setParent(nullptr);
  }
}

TEST_F(ButtonFadeTest, ASectionTheSkinLacksLeavesTheFrameworkButton) {
  useSkin(5);
  TsBitBtn& skinless = button<TsBitBtn>({10, 10, 100, 40});
  skinless.SkinData.setSkinSection("NOSUCH");
  TBitBtn& plain = form->make<TBitBtn>();
  plain.setParent(form);
  plain.setBoundsRect({150, 10, 240, 40});
  for (TBitBtn* b : {static_cast<TBitBtn*>(&skinless), &plain}) b->setCaption("Кнопка");
  driver.settle();
  auto same = [&] {
    const Bitmap screen = driver.screenshot();
    const Point a = skinless.clientToScreen({0, 0});
    const Point p = plain.clientToScreen({0, 0});
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 90; ++x) {
        if (screen.colorAt(a.x + x, a.y + y) != screen.colorAt(p.x + x, p.y + y)) {
          return ::testing::AssertionFailure() << "differs at " << x << "," << y;
        }
      }
    }
    return ::testing::AssertionSuccess();
  };
  EXPECT_TRUE(same());
  driver.moveTo(skinless.clientToScreen({45, 15}));
  driver.advance(100);
  EXPECT_EQ(skinless.fadeTimer(), nullptr);
  driver.moveTo(plain.clientToScreen({45, 15}));
  driver.advance(100);
  EXPECT_TRUE(same()) << "and it never fades";
  EXPECT_FALSE(skinless.window()->windowRegion().has_value());
}

TEST_F(ButtonFadeTest, ASpeedButtonWithoutItsSectionIsTheFrameworkOne) {
  useSkin(5);
  TsSpeedButton& skinless = button<TsSpeedButton>({10, 10, 40, 40});
  skinless.SkinData.setSkinSection("NOSUCH");
  TSpeedButton& plain = form->make<TSpeedButton>();
  plain.setParent(form);
  plain.setBoundsRect({150, 10, 180, 40});
  const Bitmap glyph = filled(8, 8, rgb(200, 30, 30));
  for (TSpeedButton* b : {static_cast<TSpeedButton*>(&skinless), &plain}) b->setGlyph(glyph);
  for (Point mouse : {Point{-1, -1}, Point{15, 15}}) {
    if (mouse.x >= 0) driver.mouseDown(skinless.clientToScreen(mouse));
    driver.settle();
    const Bitmap screen = driver.screenshot();
    const Point a = skinless.clientToScreen({0, 0});
    if (mouse.x >= 0) {
      driver.mouseUp(skinless.clientToScreen(mouse));
      driver.mouseDown(plain.clientToScreen(mouse));
    }
    driver.settle();
    const Bitmap other = driver.screenshot();
    const Point p = plain.clientToScreen({0, 0});
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 30; ++x) ASSERT_EQ(screen.colorAt(a.x + x, a.y + y), other.colorAt(p.x + x, p.y + y)) << x << "," << y;
    }
    if (mouse.x >= 0) driver.mouseUp(plain.clientToScreen(mouse));
  }
  EXPECT_EQ(skinless.animTimer(), nullptr);
}

TEST_F(ButtonFadeTest, ShowCaptionOffLeavesTheLookOfAButtonWithoutCaption) {
  useSkin(0);
  TsBitBtn& captioned = button<TsBitBtn>({10, 10, 110, 40});
  captioned.setCaption("Кнопка");
  TsBitBtn& bare = button<TsBitBtn>({10, 60, 110, 90});
  driver.settle();
  ASSERT_NE(captioned.SkinData.CacheBitmap, bare.SkinData.CacheBitmap);
  captioned.setShowCaption(false);
  driver.settle();
  EXPECT_EQ(captioned.SkinData.CacheBitmap, bare.SkinData.CacheBitmap);
}

TEST_F(ButtonFadeTest, DrawOverBorderPutsTheGlyphOverTheBorderOrUnderIt) {
  useSkin(0);
  TsBitBtn& b = button<TsBitBtn>({10, 10, 110, 40});
  Bitmap glyph = filled(100, 30, rgb(255, 0, 0));
  glyph.setPixel(0, 29, pixelFromColor(clFuchsia));  // the transparent colour
  b.setGlyph(glyph);
  b.setMargin(-2);  // the glyph starts at the button's left edge
  driver.settle();
  EXPECT_EQ(shownAt(b, {0, 15}), rgb(255, 0, 0));
  b.setDrawOverBorder(false);
  driver.settle();
  EXPECT_EQ(shownAt(b, {0, 15}), kNormalEdge);
  EXPECT_EQ(shownAt(b, {50, 15}), rgb(255, 0, 0));
}

TEST_F(ButtonFadeTest, ASkinChangeDuringAFadeEndsItInTheNewSkin) {
  useSkin(5);
  RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
  driver.settle();
  driver.moveTo(b.clientToScreen({50, 15}));
  driver.advance(20);
  ASSERT_NE(b.fadeTimer(), nullptr);
  sm->setSkinName("Other");
  EXPECT_EQ(b.fadeTimer(), nullptr);
  const size_t shown = b.frames.size();
  driver.settle();
  EXPECT_EQ(centreShown(b), rgb(250, 120, 40)) << "the new skin's hot look, no frame of the old";
  driver.advance(100);
  EXPECT_EQ(b.frames.size(), shown);
  EXPECT_EQ(centreShown(b), rgb(250, 120, 40));
}

TEST_F(ButtonFadeTest, AButtonThatFollowsTheManagerSwitchesAtOnceOnEventsTheManagerDoesNotAnimate) {
  useSkin(5);
  sm->AnimEffects.Buttons.Events = beMouseEnter | beMouseDown | beMouseUp;
  RecordingBitBtn& b = button<RecordingBitBtn>({20, 20, 120, 50});
  driver.settle();
  driver.moveTo(b.clientToScreen({50, 15}));
  driver.advance(100);
  ASSERT_EQ(b.frames.size(), 5u);
  driver.moveTo(away());
  EXPECT_EQ(centreShown(b), kNormal);
  driver.advance(100);
  EXPECT_EQ(b.frames.size(), 5u);
  b.setAnimatEvents(aeMouseLeave);
  driver.moveTo(b.clientToScreen({50, 15}));
  EXPECT_EQ(centreShown(b), kHot) << "entering no longer fades";
  driver.moveTo(away());
  driver.advance(100);
  EXPECT_EQ(b.frames.size(), 10u);
}

TEST_F(ButtonFadeTest, ASpeedButtonAnimatesFromItsFirstStepAtOnce) {
  useSkin(5);
  RecordingSpeedButton& b = button<RecordingSpeedButton>({20, 20, 60, 50});
  driver.settle();
  EXPECT_EQ(centreShown(b), kNormal);
  driver.moveTo(b.clientToScreen({20, 15}));
  ASSERT_EQ(b.steps.size(), 1u) << "the first step is shown at once";
  EXPECT_EQ(centreShown(b), b.steps[0]);
  std::vector<Color> screen;
  for (int i = 0; i < 6; ++i) {
    driver.advance(10);
    screen.push_back(centreShown(b));
  }
  ASSERT_EQ(b.steps.size(), 5u);
  for (size_t i = 1; i < 5; ++i) EXPECT_EQ(screen[i - 1], b.steps[i]);
  EXPECT_EQ(b.steps.back(), kHot);
  EXPECT_EQ(b.animTimer(), nullptr);
  EXPECT_EQ(screen.back(), kHot);
  // A press animates half as long, a release during it finishes it first.
  b.steps.clear();
  driver.mouseDown(b.clientToScreen({20, 15}));
  EXPECT_EQ(b.steps.size(), 1u);
  driver.mouseUp(b.clientToScreen({20, 15}));
  driver.advance(100);
  EXPECT_EQ(centreShown(b), kHot);
}

TEST_F(ButtonFadeTest, ASpeedButtonLeftDuringItsEnteringFadeTurnsBackFromTheMirroredStep) {
  useSkin(10);
  // Left after `shown` steps of ten: the old fade's counter stands at shown + 1, so the way back
  // starts at step 10 − (shown + 1) from the hot look to the normal one and shows the steps from
  // there to 10.
  for (const int shown : {1, 3, 6, 9}) {
    SCOPED_TRACE(shown);
    RecordingSpeedButton& b = button<RecordingSpeedButton>({20, 20, 60, 50});
    driver.moveTo(away());
    driver.settle();
    driver.moveTo(b.clientToScreen({20, 15}));
    driver.advance(10 * (shown - 1));
    ASSERT_EQ(b.steps.size(), static_cast<size_t>(shown));
    b.steps.clear();
    driver.moveTo(away());
    const int first = 10 - (shown + 1);
    ASSERT_EQ(b.steps.size(), 1u) << "the first step at once";
    const int a = fadeStartWeight(first, 10);
    auto mix = [a](int hot, int normal) { return (hot * a + normal * (255 - a) + 127) >> 8; };
    EXPECT_EQ(b.steps[0], rgb(mix(100, 200), mix(150, 200), mix(250, 200)));
    driver.advance(200);
    EXPECT_EQ(b.steps.size(), static_cast<size_t>(10 - first + 1));
    EXPECT_EQ(b.steps.back(), kNormal);
    EXPECT_EQ(centreShown(b), kNormal);
    b.setParent(nullptr);
  }
}

TEST_F(ButtonFadeTest, SpeedButtonStylesSeparatorAndCheck) {
  useSkin(0);
  TsPanel& panel = button<TsPanel>({0, 0, 200, 100});
  panel.SkinData.setSkinSection("BAR");
  TsSpeedButton& separator = button<TsSpeedButton>({10, 10, 30, 40}, &panel);
  separator.setButtonStyle(TsButtonStyle::tbsSeparator);
  TsSpeedButton& check = button<TsSpeedButton>({50, 10, 90, 40}, &panel);
  check.setButtonStyle(TsButtonStyle::tbsCheck);
  driver.settle();
  TsBackgroundInfo info;
  GetParentBackground(info, panel, false);
  const TsCacheView view = BackgroundToView(info).offsetBy(10, 10);
  for (Point p : {Point{0, 0}, Point{10, 15}, Point{19, 29}}) EXPECT_EQ(shownAt(separator, p), colorFromPixel(*view.pixelAt(p.x, p.y)));
  driver.click(check.clientToScreen({20, 15}));
  EXPECT_TRUE(check.checked());
  driver.moveTo(away());
  EXPECT_EQ(shownAt(check, {0, 15}), kPressedEdge) << "a checked button shows its press";
  driver.click(check.clientToScreen({20, 15}));
  EXPECT_FALSE(check.checked());
}

TEST_F(ButtonFadeTest, ASeparatorPastItsParentsPictureTakesTheParentsColourNotTheTransparentOne) {
  useSkin(0);
  TsPanel& panel = button<TsPanel>({0, 0, 200, 100});
  panel.SkinData.setSkinSection("BAR");
  TsSpeedButton& separator = button<TsSpeedButton>({190, 10, 230, 40}, &panel);  // 30 pixels past the panel
  separator.setButtonStyle(TsButtonStyle::tbsSeparator);
  driver.settle();
  const Bitmap& cache = separator.SkinData.CacheBitmap;
  ASSERT_EQ(cache.size(), (Size{40, 30}));
  TsBackgroundInfo info;
  GetParentBackground(info, panel, false);
  const TsCacheView view = BackgroundToView(info).offsetBy(190, 10);
  EXPECT_EQ(cache.colorAt(5, 15), colorFromPixel(*view.pixelAt(5, 15))) << "inside the picture: the parent's pixel";
  const Color parentColour = ParentColorOf(&panel);
  ASSERT_NE(parentColour, clFuchsia);
  EXPECT_TRUE(allOf(cache, {10, 0, 40, 30}, parentColour)) << "past it: the parent's colour";
}

TEST_F(ButtonFadeTest, TheDropDownPartOpensItsMenuAndShowsItsOwnPress) {
  useSkin(0);
  TPopupMenu& menu = form->make<TPopupMenu>();
  TMenuItem& item = form->make<TMenuItem>();
  item.setCaption("Пункт");
  menu.Items().Add(item);
  TsSpeedButton& b = button<TsSpeedButton>({20, 20, 100, 50});
  b.setButtonStyle(TsButtonStyle::tbsDropDown);
  b.setDropdownMenu(&menu);
  int clicks = 0;
  b.OnClick = [&](TComponent&) { ++clicks; };
  driver.settle();
  const int part = 80 - TsSpeedButton::kDropDownWidth;
  bool opened = false;
  driver.whenMenuOpen([&] {
    opened = true;
    EXPECT_EQ(shownAt(b, {part, 15}), kPressedEdge) << "the drop-down part is pressed while its menu is open";
    EXPECT_EQ(shownAt(b, {0, 15}), kHotEdge);
  });
  driver.click(b.clientToScreen({part + 7, 15}));
  EXPECT_TRUE(opened);
  EXPECT_EQ(clicks, 0);
  driver.click(b.clientToScreen({10, 15}));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
}  // namespace tavra::test
