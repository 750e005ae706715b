#include "driver/program/Scenarios.h"

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/program/CoversScenario.h"
#include "driver/fixtures/FixtureSkin.h"
#include "driver/program/HintsScenario.h"
#include "driver/program/MenusScenario.h"
#include "driver/program/FramesScenario.h"
#include "driver/program/ProgramStart.h"
#include "driver/program/StatesScenario.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "framework/controls/TabScroller.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"
#include "about/AboutWindow.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

void splash(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  SplashWindow& splash = *programWindows().splashWindow;
  d.advanceUntil([&] { return splash.opacity() >= 252; }, 5000);
  shot("1");
}

void mainWindow(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  shot("1");
}

// The main window painted from the small fixture skin: the bar, the panel and the buttons; then
// a button under the mouse (its hot look) and held down.
void fixtureSkinned(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& f = *programWindows().mainWindow;
  f.sm->internalSkins().add() = fixtureSkin();
  f.sm->setSkinName(std::string(kFixtureSkinName));
  // Without internal skins the start-up found none and switched the manager off.
  f.sm->setActive(true);
  d.settle();
  shot("1");
  d.moveTo(d.centreOf(*f.f1b2));
  d.settle();
  shot("2");
  d.mouseDown(d.centreOf(*f.f1b2));
  d.settle();
  shot("3");
  d.mouseUp(d.centreOf(*f.f1b2));
}

// The main window with a chapter page and its figures in the appendices window beside it; then
// a page scrolled to its picture, the help menu open, and a button's hint.
void viewer(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& f = *programWindows().mainWindow;
  f.tv->setSelected(f.tv->items().item(10));  // 3.1 Уравнение колебаний струны
  d.click(*f.sBitBtn1);
  d.settle();
  shot("1");
  f.Show();
  f.tv->setSelected(f.tv->items().item(14));  // 3.1.4 Метод Фурье …
  d.settle();
  f.wb1->setFocus();
  for (int i = 0; i < 3; ++i) d.pressKey(VK_NEXT);
  shot("2");
  Rect help = f.menuBar().itemScreenRect(1);
  d.whenMenuOpen([&] {
    Rect item = MenuTracker::active()->level(0)->itemScreenRect(0);
    d.moveTo({(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    shot("3");
  });
  d.click({(help.left + help.right) / 2, (help.top + help.bottom) / 2});
  d.moveTo(d.centreOf(*f.f1b1));
  d.advance(600);
  shot("4");
}

void aboutWindow(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  handover::openAbout();
  // Two seconds of the banner, so that its motifs have moved from their first frame.
  d.advance(2000);
  shot("1");
}

// The testing window during a test (personal data typed, variant 1, question 3 answered C),
// then the result window after all ten answers were submitted, and the countdown at 6.
void selftest(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  TestingWindow& test = *programWindows().testingWindow;
  main.f1b3Click(main);
  d.settle();
  auto type = [&](TControl& field, const std::string& text) {
    d.click(field);
    d.typeText(text);
  };
  type(*test.e1, "Иванов");
  type(*test.e2, "Пётр");  // "ё" is refused with a message: "Птр"
  d.pressKey(VK_BACK);
  d.pressKey(VK_BACK);
  d.typeText("етр");
  type(*test.e3, "Сергеевич");
  auto clickTab = [&](TCustomTabControl& tabs, int index) {
    // A row too wide for the control is scrolled with its arrows first.
    for (int guard = 0; guard < 20; ++guard) {
      TTabScroller* arrows = tabs.scroller();
      if (!arrows || !arrows->visible()) break;
      Rect r = tabs.itemRect(index);
      if (r.left < 0) d.clickAt(*arrows, {2, arrows->height() / 2});
      else if (r.right > arrows->left()) d.clickAt(*arrows, {arrows->width() - 3, arrows->height() / 2});
      else break;
    }
    Rect r = tabs.itemRect(index);
    d.clickAt(tabs, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  };
  clickTab(*test.tc1, 0);
  const int answers[10] = {0, 3, 2, 0, 3, 2, 3, 1, 2, 3};  // one wrong: question 8
  for (int q = 0; q < 10; ++q) {
    clickTab(*test.tc2, q);
    TRadioButton& b = test.rg1->Buttons(answers[q]);
    d.clickAt(b, {6, b.height() / 2});
    if (q == 2) {
      d.advance(50);
      shot("1");
    }
  }
  clickTab(*test.tc2, 2);
  d.click(*test.f2b2);
  d.advance(50);
  shot("2");
  d.click(*test.f2b3);
  d.advance(50);
  shot("3");
  d.advance(4000);
  shot("4");
}

// The main window's buttons in three skins: "примеры" hot under the mouse, "тесты" focused,
// "глоссарий" disabled; then "задания" held down with the mouse; then the help badge hot. Last
// the testing window's clear buttons, one hot.
void buttons(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& f = *programWindows().mainWindow;
  for (const char* skin : {"Rhombus", "Wood", "MacMetal"}) {
    const std::string name = skin;
    f.sm->setSkinName(name);
    d.settle();
    f.f1b4->setEnabled(false);
    f.f1b3->setFocus();
    d.moveTo(d.centreOf(*f.f1b1));
    d.advance(100);
    shot(name + "-1");
    d.mouseDown(d.centreOf(*f.f1b2));
    d.advance(100);
    shot(name + "-2");
    d.mouseUp(d.centreOf(*f.f1b2));
    d.moveTo(d.centreOf(*f.sSpeedButton1));
    d.advance(100);
    shot(name + "-3");
    f.f1b4->setEnabled(true);
    d.moveTo({2, 760});
    d.advance(100);
  }
  TestingWindow& test = *programWindows().testingWindow;
  f.f1b3Click(f);
  d.settle();
  d.moveTo(d.centreOf(*test.sb2));
  d.advance(100);
  shot("test");
}

}  // namespace

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> list = {
      {"splash", "the splash window at full opacity, counting down", splash},
      {"main", "the main window after the splash", mainWindow},
      {"skinned", "the main window painted from the fixture skin; a button hot, then pressed", fixtureSkinned},
      {"viewer", "a chapter page in the main window with its figures in the appendices window; scrolled; menu; hint", viewer},
      {"about", "the About window over the main window, its banner playing", aboutWindow},
      {"selftest", "the testing window during a test, graded, then the result window counting down", selftest},
      {"covers", "the covers menu open over the main window, then the program in the chosen cover; three covers", coversScenario},
      {"states", "all six windows in a gradient, a textured and an alpha-mask skin; hot, pressed, focused, disabled", statesScenario},
      {"buttons", "the main window's buttons hot, pressed, focused and disabled in three skins; the testing window's", buttons},
      {"hints", "the help menu, the system menu and the hints of a button, the tree and a testing window field in three skins", hintsScenario},
      {"frames", "every window and two message boxes in three skins, active and inactive", framesScenario},
      {"menus", "the page's context menu with its zoom submenu, the system menu and a narrow window's bar on two lines, in three skins", menusScenario},
  };
  return list;
}

}  // namespace tavra
