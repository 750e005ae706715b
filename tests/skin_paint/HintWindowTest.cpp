// The hint manager's windows on the headless display: the testing window's worked case (size,
// body, bevel, shadow, fade-in, place), the desktop fit, the shaped styles' sizes, the styles
// that show nothing or the framework's hint, the display without per-pixel alpha, the show-hint
// handler and the hints drawn from a skin section.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "driver/harness/HeadlessDriver.h"
#include "driver/fixtures/FixtureSkin.h"
#include "framework/controls/Button.h"
#include "framework/core/Form.h"
#include "framework/core/HintController.h"
#include "framework/controls/Panel.h"
#include "skin/manager/SkinCommands.h"
#include "skin/binding/TsBackgroundInfo.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/hints/TsBalloonHintWindow.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsHintManager.h"
#include "skin/hints/TsSimplyHintWindow.h"

namespace tavra::test {
namespace {

constexpr const char* kHint = "Введите свою фамилию";
// The framework proposes a hint this far below the pointer.
constexpr int kFrameworkBelowPointer = 20;

// The testing window's manager settings.
void testingWindowSettings(TsHintManager& m) {
  TsHintKind& k = m.HintKind();
  k.setStyle(hsSimply);
  k.ExOffset = 41;
  k.GradientData = "16744512;16777215;24;2;0;16777215;16760960;24;2;0;15562754;15562754;0;2;0";
  k.TexturePercent = 76;
  k.Bevel = 1;
  k.Color = clBlack;
  k.ColorBorderTop = clWhite;
  k.ColorBorderBottom = clBlack;
  k.Transparency = 28;
  k.ShadowBlur = 8;
  k.setShadowEnabled(true);
  k.ShadowOffset = 22;
  k.ShadowTransparency = 69;
  k.MarginH = 6;
  k.MarginV = 3;
  k.MaxWidth = 240;
  k.setFont(Font{.name = "Arial", .height = 12, .style = fsNone, .color = clBlack, .charset = FontCharset::Russian});
  m.setPredefinitions(shCustom);
}

// Set before a HintForm is made: how its manager is set up while the form is built.
std::function<void(TsHintManager&)> gSettings;

class HintForm : public TForm {
 public:
  explicit HintForm(TComponent* owner) : TForm(owner) {
    setBounds(100, 100, 400, 300);
    button = &make<TButton>();
    button->setParent(this);
    button->setBounds(10, 10, 120, 25);
    button->setCaption("Кнопка");
    button->setHint(kHint);
    button->setShowHint(true);
    manager = &make<TsHintManager>();
    if (gSettings) gSettings(*manager);
  }
  TButton* button = nullptr;
  TsHintManager* manager = nullptr;
};

class HintWindowTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;

  HintForm& form(std::function<void(TsHintManager&)> settings) {
    gSettings = std::move(settings);
    HintForm& f = driver.app().CreateForm<HintForm>();
    gSettings = nullptr;
    f.Show();
    driver.moveTo({2, 2});
    return f;
  }
  // Rests the pointer on the button until its hint is due.
  Point hover(HintForm& f) {
    const Point p = driver.centreOf(*f.button);
    driver.moveTo(p);
    driver.advance(TsHintManager::kHintPause);
    return p;
  }
  THintWindow* window() { return driver.app().hints().window(); }
  TsCustomHintWindow* skinned() { return dynamic_cast<TsCustomHintWindow*>(window()); }
  bool shown() { return driver.app().hints().showing(); }
  Rect shownBounds() { return window()->window()->bounds(); }

  // The text box the framework's canvas gives the hint in the testing window's font.
  static Size textBox(const std::string& text) {
    Bitmap scratch(1, 1);
    Canvas c(scratch);
    c.setFont(Font{.name = "Arial", .height = 12, .color = clBlack, .charset = FontCharset::Russian});
    Rect r{0, 0, 240, 0};
    c.drawText(text, r, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
    return r.size();
  }
};

TEST_F(HintWindowTest, TheTestingWindowsWorkedCase) {
  std::vector<int> fade;
  TsCustomHintWindow::setFadePause([&fade](Window& w, int ms) {
    EXPECT_EQ(ms, 8);
    fade.push_back(w.opacity());
  });
  HintForm& f = form(testingWindowSettings);
  const Point pointer = hover(f);
  TsCustomHintWindow::setFadePause(nullptr);
  ASSERT_TRUE(shown());
  ASSERT_NE(dynamic_cast<TsSimplyHintWindow*>(window()), nullptr);

  const Size text = textBox(kHint);
  const Rect r = shownBounds();
  EXPECT_EQ(r.width(), text.width + 2 * (6 + 1) + 22);
  EXPECT_EQ(r.height(), text.height + 2 * (3 + 1) + 22);
  EXPECT_EQ(r.topLeft(), (pointer + Point{0, kFrameworkBelowPointer + 16})) << "16 pixels below the proposed place";

  // Opacity round(72 x 2.55) = 184 reached in 31 even steps.
  ASSERT_EQ(fade.size(), 31u);
  EXPECT_EQ(fade.front(), 6);
  EXPECT_EQ(fade.back(), 184);
  for (size_t i = 1; i < fade.size(); ++i) EXPECT_GE(fade[i], fade[i - 1]);
  EXPECT_EQ(window()->window()->opacity(), 184);
  EXPECT_TRUE(window()->window()->perPixelAlpha());

  const Bitmap& layer = skinned()->layerImage();
  ASSERT_EQ(layer.size(), r.size());
  const int w = r.width(), h = r.height();
  const int bodyRight = w - 22, bodyBottom = h - 22;
  EXPECT_EQ(layer.pixel(3, 3), 0xFFC2C2C2u) << "white mixed with 24 % black";
  EXPECT_EQ(layer.pixel(0, 5), 0xFFFFFFFFu) << "bevel: white at the left";
  EXPECT_EQ(layer.pixel(5, 0), 0xFFFFFFFFu) << "and at the top";
  EXPECT_EQ(layer.pixel(bodyRight - 1, 5), 0xFF000000u) << "black at the right";
  EXPECT_EQ(layer.pixel(5, bodyBottom - 1), 0xFF000000u) << "and at the bottom";
  EXPECT_EQ(layer.pixel(bodyRight - 1, 0), 0xFF000000u) << "the top-right corner takes the bottom colour";
  EXPECT_EQ(layer.pixel(2, 2), 0xFFC2C2C2u) << "one ring only";
  // The shadow's core: grey 198 darkens white to 197, an alpha of 58 (black, premultiplied).
  EXPECT_EQ(layer.pixel(w - 15, h - 12), 58u << 24);
  EXPECT_EQ(layer.pixel(w - 1, 2), 0u) << "no shadow above its offset";
  EXPECT_EQ(layer.pixel(w - 1, h - 1) >> 24, 1u) << "the outermost ring is white: 255 - 254";
}

TEST_F(HintWindowTest, WithoutPerPixelAlphaTheHintIsComposedOverTheScreenAsItWas) {
  driver.backend().setPerPixelAlphaSupported(false);
  HintForm& f = form(testingWindowSettings);
  const Point pointer = driver.centreOf(*f.button);
  const Point at = pointer + Point{0, kFrameworkBelowPointer + 16};
  const Size text = textBox(kHint);
  const Point core = at + Point{text.width + 14 + 22 - 15, text.height + 8 + 22 - 12};
  const Bitmap before = driver.screenshot();
  hover(f);
  ASSERT_TRUE(shown());
  EXPECT_FALSE(window()->window()->perPixelAlpha());
  EXPECT_EQ(window()->window()->opacity(), 255) << "no fade without layered windows";
  driver.settle();
  const Bitmap after = driver.screenshot();
  EXPECT_EQ(after.colorAt(at.x + 3, at.y + 3), rgb(0xC2, 0xC2, 0xC2));
  const Color under = before.colorAt(core.x, core.y);
  auto darker = [](int v) { return (v * 198) >> 8; };
  EXPECT_EQ(after.colorAt(core.x, core.y), rgb(darker(redOf(under)), darker(greenOf(under)), darker(blueOf(under))));
  // A repaint composes from the captured screen again instead of darkening the shadow twice.
  window()->Invalidate();
  driver.settle();
  EXPECT_EQ(driver.screenshot().colorAt(core.x, core.y), after.colorAt(core.x, core.y));
}

TEST_F(HintWindowTest, TheDesktopFitOpensTheHintOnTheOtherSideOfTheAnchor) {
  struct Case {
    Point proposed;
    TsMousePosition corner;
    bool right, above;
  };
  const Case cases[] = {
      {{1010, 100}, mpRightTop, true, false},
      {{100, 740}, mpLeftBottom, false, true},
      {{1010, 740}, mpRightBottom, true, true},
      {{100, 100}, mpLeftTop, false, false},
  };
  Point proposed;
  HintForm& f = form([&proposed](TsHintManager& m) {
    testingWindowSettings(m);
    m.Animated = false;
    m.OnShowHint = [&proposed](std::string&, bool&, THintInfo& info, std::unique_ptr<TWinControl>&) { info.HintPos = proposed; };
  });
  for (const Case& c : cases) {
    proposed = c.proposed;
    driver.app().CancelHint();
    driver.moveTo({2, 2});
    hover(f);
    ASSERT_TRUE(shown());
    const Rect r = shownBounds();
    const Point anchor = c.proposed + Point{0, 16};
    EXPECT_EQ(skinned()->Corner, c.corner) << c.proposed.x << "," << c.proposed.y;
    EXPECT_EQ(r.left, c.right ? anchor.x - r.width() : anchor.x);
    EXPECT_EQ(r.top, c.above ? anchor.y - r.height() : anchor.y);
    EXPECT_LE(r.right, 1024);
    EXPECT_LE(r.bottom, 768);
  }
}

TEST_F(HintWindowTest, TheShowHintHandlerMovesTheHintOnlyWhenBothCoordinatesChange) {
  struct Case {
    Point shift;
    bool moves;
  };
  const Case cases[] = {{{30, 40}, true}, {{30, 0}, false}, {{0, 40}, false}};
  Point shift;
  HintForm& f = form([&shift](TsHintManager& m) {
    testingWindowSettings(m);
    m.Animated = false;
    m.OnShowHint = [&shift](std::string&, bool&, THintInfo& info, std::unique_ptr<TWinControl>&) {
      info.HintPos = info.HintPos + shift;
    };
  });
  for (const Case& c : cases) {
    shift = c.shift;
    driver.app().CancelHint();
    driver.moveTo({2, 2});
    const Point pointer = hover(f);
    ASSERT_TRUE(shown());
    const Point proposed = pointer + Point{0, kFrameworkBelowPointer};
    EXPECT_EQ(shownBounds().topLeft(), ((c.moves ? proposed + c.shift : proposed) + Point{0, 16}));
    EXPECT_EQ(f.manager->HintPosition.x, -1) << "the anchor is used once";
  }
}

TEST_F(HintWindowTest, EllipseAndBalloonAreAtLeastFiftyWideAndGrowAroundTheirText) {
  struct Case {
    TsHintStyle style;
    TsHintsPredefinitions look;
  };
  for (const Case c : {Case{hsEllipse, shEllipse}, Case{hsBalloon, shBalloon}}) {
    HintForm& f = form([c](TsHintManager& m) {
      m.setPredefinitions(c.look);
      m.Animated = false;
    });
    hover(f);
    TsCustomHintWindow* w = skinned();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(f.manager->HintKind().Style(), c.style);
    // A short text: the text box is widened to 50 before the margins.
    TsHintKind& k = f.manager->HintKind();
    const int margins = 2 * (k.MarginH + k.BevelWidth) + k.ShadowOffset;
    Rect r = w->CalcHintRect(0, "и", nullptr);
    EXPECT_EQ(r.width() - w->ExtraWidth, 50 + margins) << "style " << c.style;
    EXPECT_GT(w->ExtraWidth, 0);
    r = w->CalcHintRect(0, "длинная подсказка из нескольких слов", nullptr);
    EXPECT_GT(r.width() - w->ExtraWidth, 50 + margins) << "a longer text keeps its own width";
    // The text box lies inside the ellipse drawn in the body.
    Bitmap scratch(1, 1);
    Canvas canvas(scratch);
    canvas.setFont(k.Font());
    for (const char* text : {"и", kHint, "длинная подсказка из нескольких слов, которая займёт две строки"}) {
      driver.app().CancelHint();
      driver.moveTo({2, 2});
      f.button->setHint(text);
      hover(f);
      ASSERT_TRUE(shown());
      Rect box{0, 0, k.MaxWidth, 0};
      canvas.drawText(text, box, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
      const Rect body = skinned()->BodyRect();
      const double ex = box.width() / static_cast<double>(body.width());
      const double ey = box.height() / static_cast<double>(body.height());
      EXPECT_LE(ex * ex + ey * ey, 1.0) << text;
    }
    driver.app().destroyComponent(f);
    driver.settle();
  }
}

TEST_F(HintWindowTest, AShapedHintShowsItsTailTowardsTheAnchorAndTheShadowOutsideTheShape) {
  HintForm& f = form([](TsHintManager& m) {
    m.Animated = false;
    m.setPredefinitions(shComicsTransparent);
  });
  hover(f);
  ASSERT_TRUE(shown());
  TsCustomHintWindow* w = skinned();
  ASSERT_NE(dynamic_cast<TsCustomHintWindow*>(w), nullptr);
  EXPECT_EQ(w->window()->className(), "TsComicsHintWindow");
  const Bitmap& layer = w->layerImage();
  const Rect body = w->BodyRect();
  EXPECT_EQ(body.top, 19) << "the tail band above the body";
  EXPECT_EQ(alphaOf(layer.pixel(body.left + body.width() / 2, body.top + body.height() / 2)), 255);
  const Point mid{body.left + body.width() / 2, body.top + body.height() / 2};
  EXPECT_EQ(alphaOf(layer.pixel(3 + (mid.x - 3) / 4, 3 + (mid.y - 3) / 4)), 255) << "the tail runs to the anchor's corner";
  // White through a white mask is 254: outside the shape and its shadow the alpha is at most 1.
  EXPECT_LE(alphaOf(layer.pixel(body.right - 1, 3)), 1) << "beside the tail nothing";
  EXPECT_EQ(layer.pixel(body.left + body.width() / 2, body.top) & 0xFFFFFF, 0u) << "the outline's top colour";
  const int shadowAlpha = alphaOf(layer.pixel(body.right + 2, body.top + body.height() / 2 + 7));
  EXPECT_GT(shadowAlpha, 0) << "the shadow lies right of the body";
  EXPECT_LT(shadowAlpha, 255);
}

TEST_F(HintWindowTest, NoneShowsNothingAndStandardShowsTheFrameworksHint) {
  HintForm& f = form([](TsHintManager& m) { m.setPredefinitions(shNone); });
  hover(f);
  EXPECT_FALSE(shown());
  EXPECT_EQ(TsHintManager::current(), nullptr);
  ASSERT_NE(window(), nullptr);
  EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(window()), nullptr) << "the simply class, with no manager";
  EXPECT_EQ(window()->CalcHintRect(200, kHint, nullptr), Rect{}) << "it measures nothing";

  f.manager->HintKind().setStyle(hsStandard);
  driver.app().CancelHint();
  driver.moveTo({2, 2});
  hover(f);
  ASSERT_TRUE(shown());
  EXPECT_EQ(window()->window()->className(), "THintWindow");
}

TEST_F(HintWindowTest, HintsDrawnFromTheSkinSectionTakeItsLookAndShape) {
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  TsStoredSkin skin = fixtureSkin();
  TsSkinGeneral& hint = skin.GeneralData.emplace_back();
  hint.SectionName = "HINT";
  hint.Color = rgb(10, 200, 30);
  hint.HotColor = hint.Color;
  hint.FontColor = "0 -1 -1 -1 -1";
  hint.HotFontColor = hint.FontColor;
  // A 9 x 9 border of its own: an outline, the inside in a light green, transparent corners.
  Bitmap image(9, 9);
  image.fill(pixelFromColor(rgb(60, 80, 130)));
  image.fillRect({1, 1, 8, 8}, pixelFromColor(rgb(200, 240, 200)));
  for (Point p : {Point{0, 0}, Point{8, 0}, Point{0, 8}, Point{8, 8}}) image.setPixel(p.x, p.y, pixelFromColor(clFuchsia));
  TsSkinImage& frame = skin.Images.emplace_back();
  frame.SectionName = "HINT";
  frame.PropertyName = "BORDERSMASK";
  frame.Name = "hintframe.bmp";
  frame.Image = image;
  frame.Right = 9;
  frame.Bottom = 9;
  frame.ImageCount = 1;
  frame.StretchMode = 4;  // the centre may be drawn
  frame.WL = frame.WT = frame.WR = frame.WB = 3;
  sm.internalSkins().add() = std::move(skin);
  sm.setSkinName(std::string(kFixtureSkinName));
  HintForm& f = form([](TsHintManager& m) {
    testingWindowSettings(m);
    m.Animated = false;
    m.setUseSkinData(true);
  });
  ASSERT_TRUE(f.manager->UsesSkinData());
  EXPECT_FALSE(f.manager->HintKind().ShadowEnabled()) << "the system's shadow stands in";
  const Point pointer = hover(f);
  ASSERT_TRUE(shown());
  TsCustomHintWindow* w = skinned();
  EXPECT_TRUE(w->systemDropShadow());
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(systemFont());
  Rect text{0, 0, 240, 0};
  c.drawText(kHint, text, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
  const Rect r = shownBounds();
  EXPECT_EQ(r.size(), (Size{text.width() + 3 + 3 + 8, text.height() + 3 + 3 + 8})) << "no shadow offset";
  EXPECT_EQ(r.topLeft(), (pointer + Point{0, kFrameworkBelowPointer})) << "no extra 16 pixels";
  const Bitmap& layer = w->layerImage();
  EXPECT_EQ(layer.pixel(2, r.height() / 2), pixelFromColor(rgb(200, 240, 200))) << "the border's inside";
  EXPECT_EQ(layer.pixel(0, r.height() / 2), pixelFromColor(rgb(60, 80, 130))) << "the border's outline";
  ASSERT_TRUE(w->window()->windowRegion().has_value());
  const Region& shape = *w->window()->windowRegion();
  EXPECT_FALSE(shape.contains({0, 0})) << "the border's transparent corner";
  EXPECT_FALSE(shape.contains({r.width() - 1, r.height() - 1}));
  EXPECT_TRUE(shape.contains({1, 0}));
  EXPECT_EQ(alphaOf(layer.pixel(0, 0)), 0);
}

TEST_F(HintWindowTest, TheBodyMixesColourGradientAndTexture) {
  struct Case {
    int gradientPercent;
    const char* gradient;
    int texturePercent;
    Color expected;  // at (3, 3) of the body
    int gradientAfter;
  };
  const std::string grey = std::to_string(rgb(100, 100, 100));
  const std::string plain = grey + ";" + grey + ";100;0;0";
  const Case cases[] = {
      {0, "", 0, rgb(0x20, 0x40, 0x60), 0},                 // the colour alone
      {0, "", 76, rgb(201, 209, 217), 0},                   // an empty texture: white, 24 % colour
      {60, plain.c_str(), 60, rgb(0x20, 0x40, 0x60), 60},   // shares above 100: the plain colour
      {100, plain.c_str(), 0, rgb(100, 100, 100), 100},     // the gradient alone
      {50, plain.c_str(), 0, rgb(66, 82, 98), 50},          // half gradient, half colour
      {50, "", 0, rgb(0x20, 0x40, 0x60), 0},                // no step: the share drops to 0 for good
  };
  for (const Case& c : cases) {
    HintForm& f = form([&c](TsHintManager& m) {
      testingWindowSettings(m);
      m.Animated = false;
      TsHintKind& k = m.HintKind();
      k.Color = rgb(0x20, 0x40, 0x60);
      k.GradientPercent = c.gradientPercent;
      k.GradientData = c.gradient;
      k.TexturePercent = c.texturePercent;
    });
    hover(f);
    ASSERT_TRUE(shown());
    EXPECT_EQ(colorFromPixel(skinned()->layerImage().pixel(3, 3)), c.expected) << c.gradientPercent << "/" << c.texturePercent;
    EXPECT_EQ(f.manager->HintKind().GradientPercent, c.gradientAfter);
    driver.app().CancelHint();
    driver.app().destroyComponent(f);
    driver.settle();
  }
}

TEST_F(HintWindowTest, AGradientThatDoesNotConvertEndsTheHintWithTheErrorBox) {
  HintForm& f = form([](TsHintManager& m) {
    testingWindowSettings(m);
    m.HintKind().GradientPercent = 50;
    m.HintKind().GradientData = "1;2;x;0;0";
  });
  hover(f);
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::Error);
  EXPECT_FALSE(shown());
}

// A control that asks its parent for the background under it while it paints, and tells `seen`
// the colour there.
class ProbeFrame : public TCustomControl {
 public:
  ProbeFrame(TComponent* owner, Color& seen) : TCustomControl(owner), seen_(seen) {}

 protected:
  void Paint() override {
    TsBackgroundInfo info;
    sendSkinCommand(*parent(), SKC_GETBG, reinterpret_cast<LParam>(&info));
    if (info.Kind == BackgroundKind::Bitmap && info.Bitmap) seen_ = info.Bitmap->colorAt(left() + 1, top() + 1);
    canvas()->fillRect(clientRect(), rgb(1, 2, 3));
  }

 private:
  Color& seen_;
};

TEST_F(HintWindowTest, AControlHandedOverByTheHandlerIsShownInsteadOfTheText) {
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  sm.internalSkins().add() = fixtureSkin();
  sm.setSkinName(std::string(kFixtureSkinName));
  Color seen = clNone;
  HintForm& f = form([&seen](TsHintManager& m) {
    testingWindowSettings(m);
    m.Animated = false;
    m.OnShowHint = [&seen](std::string&, bool&, THintInfo&, std::unique_ptr<TWinControl>& frame) {
      frame = std::make_unique<ProbeFrame>(nullptr, seen);
      frame->setBounds(0, 0, 60, 30);
    };
  });
  hover(f);
  ASSERT_TRUE(shown());
  TsCustomHintWindow* w = skinned();
  EXPECT_EQ(w->window()->bounds().size(), (Size{60 + 22, 30 + 22})) << "the frame's size and the shadow";
  EXPECT_EQ(colorFromPixel(w->layerImage().pixel(30, 15)), rgb(1, 2, 3)) << "the frame printed on the body";
  EXPECT_EQ(seen, rgb(0xC2, 0xC2, 0xC2)) << "while printed, the frame sees the body under it";
  EXPECT_EQ(f.manager->customHintFrame(), nullptr) << "the frame lives until it is painted";
  EXPECT_EQ(sendSkinCommand(*w, SKC_GETVARIES), 1);
  TsBackgroundInfo info;
  sendSkinCommand(*w, SKC_GETBG, reinterpret_cast<LParam>(&info));
  EXPECT_EQ(info.Kind, BackgroundKind::None) << "no body between paints";
}

TEST(BalloonBubbles, FiveEverSmallerBubblesStepFromTheBodyToTheTail) {
  const Rect body{0, 30, 200, 110};
  for (Point tail : {Point{3, 3}, Point{197, 3}, Point{3, 137}}) {
    double lastDistance = 1e9;
    for (int k = 1; k <= TsBalloonHintWindow::kBubbleCount; ++k) {
      const Rect b = TsBalloonHintWindow::bubbleRect(body, tail, k);
      EXPECT_EQ(b.width(), 200 / (4 * k));
      EXPECT_EQ(b.height(), 80 / (4 * k));
      const double dx = (b.left + b.right) / 2.0 - tail.x, dy = (b.top + b.bottom) / 2.0 - tail.y;
      const double distance = std::sqrt(dx * dx + dy * dy);
      EXPECT_LT(distance, lastDistance) << "bubble " << k << " nearer the tail";
      lastDistance = distance;
    }
  }
}

}  // namespace
}  // namespace tavra::test
