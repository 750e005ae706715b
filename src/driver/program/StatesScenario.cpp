#include "driver/program/StatesScenario.h"

#include <array>
#include <string_view>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/program/ProgramStart.h"
#include "framework/controls/TabScroller.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"
#include "about/AboutWindow.h"

namespace tavra {
namespace {

// Three skins that differ in kind: gradients with keyed masks, a wood texture, alpha masks.
struct SkinChoice {
  std::string_view name;
  std::string_view tag;
};
constexpr std::array<SkinChoice, 3> kSkins = {{{"Office2003", "gradient"}, {"Wood", "textured"}, {"Vista", "alpha"}}};

void useSkin(HeadlessDriver& d, const SkinChoice& skin) {
  TsSkinManager& sm = *programWindows().mainWindow->sm;
  sm.setSkinName(std::string(skin.name));
  sm.setActive(true);
  d.settle();
}

// Clicks a tab, scrolling a row that is too wide with its arrows first.
void clickTab(HeadlessDriver& d, TCustomTabControl& tabs, int index) {
  for (int guard = 0; guard < 20; ++guard) {
    TTabScroller* arrows = tabs.scroller();
    if (!arrows || !arrows->visible()) break;
    const Rect r = tabs.itemRect(index);
    if (r.left < 0) d.clickAt(*arrows, {2, arrows->height() / 2});
    else if (r.right > arrows->left()) d.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
    else break;
  }
  const Rect r = tabs.itemRect(index);
  d.clickAt(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

// For every skin: the window set up by `pose` (which leaves a control hot, pressed or focused),
// then `release` to let go of what `pose` holds.
void eachSkin(HeadlessDriver& d, const std::function<void(const std::string&)>& shot, const std::string& window,
              const std::function<void()>& pose, const std::function<void()>& release = {}) {
  for (const SkinChoice& skin : kSkins) {
    useSkin(d, skin);
    pose();
    d.settle();
    shot(window + "-" + std::string(skin.tag));
    if (release) release();
  }
}

}  // namespace

void statesScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  TestingWindow& test = *programWindows().testingWindow;
  SplashWindow& splash = *programWindows().splashWindow;

  // The splash window, shown again over the desktop.
  eachSkin(
      d, shot, "1-splash",
      [&] {
        splash.setAlphaBlendValue(255);
        splash.Show();
      },
      [&] { splash.Hide(); });

  // The main window: the tree focused with its selection, "примеры" hot under the mouse, the
  // help button held down (a speed button takes no focus).
  main.Show();
  eachSkin(
      d, shot, "2-main",
      [&] {
        main.tv->FullExpand();
        main.tv->setFocus();
        main.tv->setSelected(main.tv->items().item(10));
        d.mouseDown(d.centreOf(*main.sSpeedButton1));
        d.moveTo(d.centreOf(*main.f1b1));
      },
      [&] { d.mouseUp(d.centreOf(*main.f1b1)); });

  // The appendices window beside the main window; the About window over it.
  eachSkin(d, shot, "3-appendices", [&] { main.sBitBtn1Click(main); });
  programWindows().appendicesWindow->Hide();
  // The About window fades in by itself: the shot waits until it is whole.
  eachSkin(d, shot, "4-about", [&] {
    handover::openAbout();
    d.advance(1500);
  });
  programWindows().aboutWindow->Hide();

  // The testing window: a name typed, the second field focused, its clear button held down,
  // "Сдать тест" hot, "Посмотреть результат" disabled until the test is handed in.
  main.f1b3Click(main);
  d.settle();
  d.click(*test.e1);
  d.typeText("Иванов");
  clickTab(d, *test.tc2, 2);
  d.clickAt(test.rg1->Buttons(2), {6, test.rg1->Buttons(2).height() / 2});
  eachSkin(
      d, shot, "5-testing",
      [&] {
        d.click(*test.e2);
        d.mouseDown(d.centreOf(*test.sb2));
        d.moveTo(d.centreOf(*test.f2b2));
      },
      [&] { d.mouseUp(d.centreOf(*test.f2b2)); });

  // The result window after the personal data and ten answers were handed in.
  d.click(*test.e2);
  d.typeText("Петр");
  d.click(*test.e3);
  d.typeText("Сергеевич");
  clickTab(d, *test.tc1, 0);
  const int answers[10] = {0, 3, 2, 0, 3, 2, 3, 1, 2, 3};
  for (int q = 0; q < 10; ++q) {
    clickTab(d, *test.tc2, q);
    TRadioButton& b = test.rg1->Buttons(answers[q]);
    d.clickAt(b, {6, b.height() / 2});
  }
  d.click(*test.f2b2);
  d.click(*test.f2b3);
  d.settle();
  eachSkin(d, shot, "6-result", [] {});
}

}  // namespace tavra
