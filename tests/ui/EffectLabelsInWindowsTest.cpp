// The effect labels of the windows: where each takes its text colour and shadow from.
#include <gtest/gtest.h>

#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "about/AboutWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"

namespace tavra::test {
namespace {

TEST(EffectLabelsInWindows, KindAndShadowOfEveryLabel) {
  HeadlessDriver driver;
  startProgram(driver);
  ProgramWindows& w = programWindows();
  struct Expect {
    const char* where;
    TsLabelFX* label;
    TsKindType kind;
    Color kindColor;
    TsShadowMode mode;
    Color shadow;
    int blur;
    int distance;
  };
  const Color skyBlue = rgb(166, 202, 240), grey = rgb(128, 128, 128), desktop = systemColor(SysColor::Desktop);
  const Expect table[] = {
      {"splash zagr", w.splashWindow->zagr, TsKindType::ktSkin, clWhite, TsShadowMode::smSkin1, clBlack, 4, 1},
      {"testing sLabelFX1", w.testingWindow->sLabelFX1, TsKindType::ktCustom, clBlack, TsShadowMode::smSkin1, skyBlue, 10, 1},
      {"testing sLabelFX2", w.testingWindow->sLabelFX2, TsKindType::ktCustom, clBlack, TsShadowMode::smSkin1, skyBlue, 10, 1},
      {"testing sLabelFX3", w.testingWindow->sLabelFX3, TsKindType::ktCustom, clBlack, TsShadowMode::smSkin1, skyBlue, 10, 1},
      {"result sl1", w.resultWindow->sl1, TsKindType::ktSkin, desktop, TsShadowMode::smCustom, grey, 4, 1},
      {"result sLabelFX1", w.resultWindow->sLabelFX1, TsKindType::ktSkin, desktop, TsShadowMode::smCustom, grey, 4, 1},
      {"result sl2", w.resultWindow->sl2, TsKindType::ktSkin, clWhite, TsShadowMode::smSkin1, clBlack, 4, 1},
      {"About sLabelFX1", w.aboutWindow->sLabelFX1, TsKindType::ktSkin, clWhite, TsShadowMode::smCustom, clWhite, 4, 1},
      {"About sLabelFX2", w.aboutWindow->sLabelFX2, TsKindType::ktSkin, clWhite, TsShadowMode::smCustom, clWhite, 4, 1},
  };
  for (const Expect& e : table) {
    SCOPED_TRACE(e.where);
    ASSERT_NE(e.label, nullptr);
    EXPECT_EQ(e.label->kind().kindType(), e.kind);
    EXPECT_EQ(e.label->kind().color(), e.kindColor);
    EXPECT_EQ(e.label->shadow().mode(), e.mode);
    EXPECT_EQ(e.label->shadow().color(), e.shadow);
    EXPECT_EQ(e.label->shadow().blurCount(), e.blur);
    EXPECT_EQ(e.label->shadow().distance(), e.distance);
    EXPECT_TRUE(e.label->transparent());
  }
  EXPECT_EQ(w.resultWindow->sl2->skinSection(), "BUTTON_HUGE");
  // Auto-sized, the testing window's captions make room for the glow they draw, the skin's first
  // shadow (every program skin has one): blur B at offset D < B takes (D + B) - (D - B) = 2B
  // pixels more than their text each way.
  const TsSkinData& header = w.mainWindow->sm->model().SkinData;
  ASSERT_TRUE(w.mainWindow->sm->active());
  ASSERT_GT(header.Shadow1Blur, header.Shadow1Offset);
  ASSERT_GE(header.Shadow1Offset, 0);
  const int grow = 2 * header.Shadow1Blur;
  TsLabelFX& surname = *w.testingWindow->sLabelFX1;
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(surname.font());
  Rect text{0, 0, 0, 0};
  c.drawText(surname.caption(), text, DT_EXPANDTABS | DT_CALCRECT);
  EXPECT_EQ(surname.boundsRect().size(), (Size{text.width() + grow, text.height() + grow}));
}

}  // namespace
}  // namespace tavra::test
