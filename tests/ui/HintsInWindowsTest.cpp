// The testing window's hint manager draws every hint of every window: its settings as stored,
// the worked case on a personal-data field, and the main window's hints in the same look.
#include <string>

#include "SelfTestFixture.h"
#include "framework/core/HintController.h"
#include "skin/hints/TsHintManager.h"
#include "skin/hints/TsSimplyHintWindow.h"

namespace tavra::test {
namespace {

class HintsInWindows : public SelfTest {
 protected:
  TsCustomHintWindow* hover(const TControl& c) {
    driver.app().CancelHint();
    driver.moveTo({1, 1});
    driver.moveTo(driver.centreOf(c));
    driver.advance(driver.app().HintPause);
    return driver.app().hints().showing() ? dynamic_cast<TsCustomHintWindow*>(driver.app().hints().window()) : nullptr;
  }
};

TEST_F(HintsInWindows, TheTestingWindowHoldsTheOneManagerWithItsStoredSettings) {
  TsHintManager& m = *form().sHintManager1;
  EXPECT_EQ(TsHintManager::current(), &m);
  EXPECT_EQ(m.name(), "sHintManager1");
  const TsHintKind& k = m.HintKind();
  EXPECT_EQ(k.Style(), hsSimply);
  EXPECT_EQ(m.Predefinitions(), shCustom);
  EXPECT_FALSE(m.UseSkinData());
  EXPECT_FALSE(m.UsesSkinData()) << "the HINT section is not used";
  EXPECT_EQ(m.SkinSection(), "HINT");
  EXPECT_EQ(k.ExOffset, 41);
  EXPECT_EQ(k.TexturePercent, 76);
  EXPECT_EQ(k.GradientPercent, 0);
  EXPECT_EQ(k.Transparency, 28);
  EXPECT_EQ(k.EffectiveShadowTransparency(), 78);
  EXPECT_EQ(k.Font().name, "Arial");
  EXPECT_EQ(k.Font().height, 12);
  EXPECT_EQ(k.Font().charset, FontCharset::Russian);
  EXPECT_EQ(driver.app().HintPause, 500);
  EXPECT_EQ(driver.app().HintShortPause, 200);
  EXPECT_EQ(driver.app().HintHidePause, 5000);
}

TEST_F(HintsInWindows, APersonalDataFieldShowsTheWorkedCase) {
  TsCustomHintWindow* w = hover(*form().e1);
  ASSERT_NE(w, nullptr);
  EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(w), nullptr);
  EXPECT_EQ(w->caption(), "Введите свою фамилию");
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(form().sHintManager1->HintKind().Font());
  Rect text{0, 0, 240, 0};
  c.drawText(w->caption(), text, DT_CALCRECT | DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_NOPREFIX);
  const Rect r = w->window()->bounds();
  EXPECT_EQ(r.size(), (Size{text.width() + 2 * (6 + 1) + 22, text.height() + 2 * (3 + 1) + 22}));
  EXPECT_EQ(r.topLeft(), (driver.centreOf(*form().e1) + Point{0, 20 + 16})) << "16 below the place proposed";
  EXPECT_EQ(w->window()->opacity(), 184);
  const Bitmap& layer = w->layerImage();
  EXPECT_EQ(layer.pixel(3, 3), 0xFFC2C2C2u);
  EXPECT_EQ(layer.pixel(r.width() - 15, r.height() - 12), 58u << 24) << "the shadow's core";
  // On the screen the body lies over the window at 184 / 255.
  driver.settle();
  const Color shown = driver.screenshot().colorAt(r.left + 3, r.top + 3);
  driver.app().CancelHint();
  driver.settle();
  const Color under = driver.screenshot().colorAt(r.left + 3, r.top + 3);
  auto over = [](int d) { return 0xC2 * 184 / 255 + d * (255 - 184) / 255; };
  EXPECT_EQ(shown, rgb(over(redOf(under)), over(greenOf(under)), over(blueOf(under))));
}

TEST_F(HintsInWindows, TheMainWindowsHintsAreDrawnByTheSameManager) {
  form().f2b1Click(form());
  driver.settle();
  MainWindow& f = mainWindow();
  for (TControl* c : {static_cast<TControl*>(f.tv), static_cast<TControl*>(f.f1b1)}) {
    TsCustomHintWindow* w = hover(*c);
    ASSERT_NE(w, nullptr) << c->name();
    EXPECT_NE(dynamic_cast<TsSimplyHintWindow*>(w), nullptr);
    EXPECT_EQ(w->layerImage().pixel(3, 3), 0xFFC2C2C2u);
  }
}

}  // namespace
}  // namespace tavra::test
