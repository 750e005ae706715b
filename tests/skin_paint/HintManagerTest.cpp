// The hint manager component and its settings: the pauses it sets, the hint window class each
// style puts in place, the ready-made looks applied at load, the settings that read 0, the
// shadow that gives way to the skin, and the HTML subset of hint texts.
#include <gtest/gtest.h>

#include <functional>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "framework/core/HintController.h"
#include "gfx/Canvas.h"
#include "skin/hints/TsHintManager.h"
#include "skin/hints/TsHtml.h"

namespace tavra::test {
namespace {

std::function<void(TsHintManager&)> gSetUp;

// A form holding a manager set up (by gSetUp) while the form is built, as stored settings are.
class ManagerForm : public TForm {
 public:
  explicit ManagerForm(TComponent* owner) : TForm(owner) {
    manager = &make<TsHintManager>();
    if (gSetUp) gSetUp(*manager);
  }
  TsHintManager* manager = nullptr;
};

class HintManagerTest : public ::testing::Test {
 protected:
  HeadlessDriver driver;

  TsHintManager& loaded(std::function<void(TsHintManager&)> setUp) {
    gSetUp = std::move(setUp);
    ManagerForm& f = driver.app().CreateForm<ManagerForm>();
    gSetUp = nullptr;
    return *f.manager;
  }
  // The class name of the window the application would show the next hint in.
  std::string hintClass() {
    TApplication& app = driver.app();
    TForm& f = app.CreateForm<TForm>();
    f.setHint("x");
    f.setShowHint(true);
    f.Show();
    driver.moveTo(f.clientToScreen({5, 5}));
    driver.advance(app.HintPause);
    std::string name = app.hints().window() ? app.hints().window()->ClassName() : "";
    driver.moveTo({1020, 760});
    app.destroyComponent(f);
    return name;
  }
};

TEST_F(HintManagerTest, ConstructionAndLoadSetTheApplicationsPausesAndHandler) {
  TApplication& app = driver.app();
  TsHintManager& m = loaded([](TsHintManager& m) { m.setPauseHide(7000); });
  EXPECT_EQ(app.HintPause, 500);
  EXPECT_EQ(app.HintShortPause, 200);
  EXPECT_EQ(app.HintHidePause, 7000);
  EXPECT_TRUE(static_cast<bool>(app.OnShowHint));
  EXPECT_EQ(m.SkinSection(), "HINT");
  EXPECT_EQ(m.HintPosition, (Point{-1, -1}));
  m.setPauseHide(3000);
  EXPECT_EQ(app.HintHidePause, 3000);
  EXPECT_EQ(TsHintManager::current(), &m);
  driver.app().destroyComponent(*static_cast<TComponent*>(m.owner()));
  EXPECT_EQ(TsHintManager::current(), nullptr);
  EXPECT_FALSE(static_cast<bool>(app.OnShowHint)) << "the handler goes with the manager";
  EXPECT_EQ(hintClass(), "THintWindow") << "and the framework's hint window comes back";
}

TEST_F(HintManagerTest, EachStylePutsItsWindowClassInPlace) {
  struct Case {
    TsHintStyle style;
    const char* windowClass;
    bool current;
  };
  const Case cases[] = {
      {hsSimply, "TsSimplyHintWindow", true},   {hsComics, "TsComicsHintWindow", true},
      {hsEllipse, "TsEllipseHintWindow", true}, {hsBalloon, "TsBalloonHintWindow", true},
      {hsStandard, "THintWindow", false},       {hsNone, "TsSimplyHintWindow", false},
  };
  TsHintManager& m = loaded([](TsHintManager& m) { m.setPredefinitions(shCustom); });
  for (const Case& c : cases) {
    m.HintKind().setStyle(c.style);
    EXPECT_EQ(TsHintManager::current() == &m, c.current) << c.windowClass;
    if (c.style != hsNone) {
      EXPECT_EQ(hintClass(), c.windowClass);
    }
  }
}

TEST_F(HintManagerTest, TheReadyMadeLooksAreAppliedAtLoad) {
  Font odd{.name = "Verdana", .height = 20, .style = fsBold, .color = rgb(255, 0, 0)};
  TsHintManager& balloon = loaded([&odd](TsHintManager& m) {
    m.setPredefinitions(shBalloon);
    m.HintKind().Radius = 33;
    m.HintKind().setFont(odd);
  });
  const TsHintKind& k = balloon.HintKind();
  EXPECT_EQ(k.Style(), hsBalloon);
  EXPECT_EQ(k.BevelWidth, 6);
  EXPECT_EQ(k.ExOffset, 18);
  EXPECT_EQ(k.MarginH, 6);
  EXPECT_EQ(k.MarginV, 6);
  EXPECT_EQ(k.MaxWidth, 240);
  EXPECT_EQ(k.Radius, 33) << "a dash leaves the value";
  EXPECT_EQ(k.Color, 0xC2FCFCu);
  EXPECT_EQ(k.Transparency, 10);
  EXPECT_EQ(k.ColorBorderTop, 0x408080u);
  EXPECT_EQ(k.ColorBorderBottom, 0x408080u);
  EXPECT_EQ(k.GradientPercent, 0);
  EXPECT_EQ(k.GradientData, "");
  EXPECT_EQ(k.ShadowBlur, 6);
  EXPECT_EQ(k.ShadowOffset, 8);
  EXPECT_EQ(k.ShadowTransparency, 70);
  EXPECT_EQ(k.Bevel, 1);
  EXPECT_TRUE(k.ShadowEnabled());
  Font expected = systemFont();
  expected.color = 0;
  EXPECT_EQ(k.Font(), expected) << "the system's hint font, plain and black";

  TsHintManager& gradient = loaded([](TsHintManager& m) { m.setPredefinitions(shComicsGradient); });
  EXPECT_EQ(gradient.HintKind().Style(), hsComics);
  EXPECT_EQ(gradient.HintKind().Radius, 21);
  EXPECT_EQ(gradient.HintKind().GradientPercent, 100);
  EXPECT_EQ(gradient.HintKind().GradientData, "16753188;16777215;99;0;0;16777215;16777215;0;0;0");

  TsHintManager& custom = loaded([&odd](TsHintManager& m) {
    m.setPredefinitions(shCustom);
    m.HintKind().setStyle(hsComics);
    m.HintKind().MarginH = 3;
    m.HintKind().setFont(odd);
  });
  EXPECT_EQ(custom.HintKind().Style(), hsComics);
  EXPECT_EQ(custom.HintKind().MarginH, 3);
  EXPECT_EQ(custom.HintKind().Font(), odd) << "shCustom keeps every stored value";
  EXPECT_FALSE(custom.HintKind().ShadowEnabled());

  TsHintManager& none = loaded([](TsHintManager& m) { m.setPredefinitions(shNone); });
  EXPECT_EQ(none.HintKind().Style(), hsNone);
  EXPECT_EQ(none.HintKind().MarginH, 15) << "only the style";
}

TEST_F(HintManagerTest, BlurAndShadowColourReadZeroAndTheShadowDependsOnTheSkin) {
  TsHintManager& m = loaded([](TsHintManager& m) { m.setPredefinitions(shCustom); });
  TsHintKind& k = m.HintKind();
  k.setBlur(7);
  k.setShadowColor(rgb(255, 0, 0));
  EXPECT_EQ(k.Blur(), 0);
  EXPECT_EQ(k.ShadowColor(), 0u);
  k.setShadowEnabled(true);
  m.setUseSkinData(true);
  EXPECT_FALSE(m.UsesSkinData()) << "no skin manager: the hint is drawn from HintKind";
  EXPECT_TRUE(k.ShadowEnabled());
  // The shadow is never less transparent than the hint.
  for (int t : {0, 28, 50, 100}) {
    for (int s : {0, 40, 69, 100}) {
      k.Transparency = t;
      k.ShadowTransparency = s;
      EXPECT_GE(k.EffectiveShadowTransparency(), s);
    }
  }
  k.Transparency = 28;
  k.ShadowTransparency = 69;
  EXPECT_EQ(k.EffectiveShadowTransparency(), 78);
}

TEST_F(HintManagerTest, SettingUseSkinDataOffAppliesTheReadyMadeLookAgain) {
  TsHintManager& m = loaded([](TsHintManager& m) { m.setPredefinitions(shCustom); });
  m.setPredefinitions(shSimply);
  EXPECT_EQ(m.HintKind().Style(), hsEllipse) << "stored only";
  m.setUseSkinData(true);
  EXPECT_EQ(m.HintKind().Style(), hsEllipse);
  m.setUseSkinData(false);
  EXPECT_EQ(m.HintKind().Style(), hsSimply);
  EXPECT_EQ(m.HintKind().Color, clInfoBk);
}

// --- HTML subset -------------------------------------------------------------------------------

class HtmlTest : public ::testing::Test {
 protected:
  Bitmap bitmap{200, 80};
  Canvas canvas{bitmap};
  HtmlTest() {
    canvas.setFont(Font{.name = "Arial", .height = 14, .color = clBlack});
    canvas.setBackgroundMode(BackgroundMode::Transparent);
  }
  Rect measure(const char* text) { return TsHtml::render(canvas, text, {0, 0, 10, 0}, TsHtml::Mode::Measure); }
  int width(const char* plain) { return canvas.textWidth(plain); }
  int lineHeight() { return canvas.textExtent("X").height; }
};

TEST_F(HtmlTest, RunsTagsAndLines) {
  struct Case {
    const char* html;
    const char* sameWidthAs;
    int lines;
  };
  const Case cases[] = {
      {"abc", "abc", 1},
      {"a<<b", "a<b", 1},            // a literal "<"
      {"ab<c", "ab", 1},             // an unclosed tag ends the text
      {"<u>ab</u>c", "abc", 1},      // other tags are dropped
      {"a\r\nb", "ab", 1},           // line breaks in the text are left out
      {"abc<br>a", "abc", 2},
      {"a<BR>abc<p align=center>b", "abc", 3},
      {"<FONT COLOR=RED>ab</FONT>c", "abc", 1},
  };
  for (const Case& c : cases) {
    const Rect r = measure(c.html);
    EXPECT_EQ(r.width(), width(c.sameWidthAs)) << c.html;
    EXPECT_EQ(r.height(), c.lines * lineHeight() + (c.lines - 1) * 2) << c.html;
  }
  EXPECT_GT(measure("<b>abc</b>").width(), width("abc")) << "bold is wider";
  EXPECT_EQ(measure("<b>abc</b>abc").width() - measure("<b>abc</b>").width(), width("abc")) << "</b> ends it";
  EXPECT_GT(measure("<font size=+6>abc</font>").height(), lineHeight());
  EXPECT_EQ(measure("<font size=+6>x</font><br>x").height(), measure("<font size=+6>x</font>").height() + 2 + lineHeight())
      << "the font comes back at </font>";
  EXPECT_EQ(measure("abcdefghijklmnopqrstuvwxyz").width(), width("abcdefghijklmnopqrstuvwxyz")) << "no wrapping";
}

TEST_F(HtmlTest, FontColoursByNameHexAndFallback) {
  struct Case {
    const char* html;
    Color colour;
  };
  const Case cases[] = {
      {"<font color=red>MMMM</font>", rgb(255, 0, 0)},
      {"<font color=\"#00FF00\">MMMM</font>", rgb(0, 255, 0)},
      {"<font color=0000FFh>MMMM</font>", rgb(0, 0, 255)},
      {"<font color=NAVY>MMMM</font>", rgb(0, 0, 128)},
      {"<font color=zz>MMMM</font>", rgb(0, 0, 0)},
  };
  for (const Case& c : cases) {
    bitmap.fill(pixelFromColor(clWhite));
    TsHtml::render(canvas, c.html, {4, 4, 200, 80}, TsHtml::Mode::Draw);
    bool found = false;
    for (int y = 0; y < bitmap.height() && !found; ++y) {
      for (int x = 0; x < bitmap.width() && !found; ++x) found = bitmap.colorAt(x, y) == c.colour;
    }
    EXPECT_TRUE(found) << c.html;
  }
  EXPECT_EQ(canvas.font().color, clBlack) << "the canvas' font is as it was";
}

}  // namespace
}  // namespace tavra::test
