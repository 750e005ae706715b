#include "driver/Scenarios.h"

#include "app/ProgramWindows.h"
#include "app/Unit5.h"
#include "framework/MenuBar.h"
#include "framework/MenuTracker.h"
#include "viewer/Unit1.h"
#include "windows/Unit4.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

void splash(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  TForm5& splash = *programWindows().Form5;
  d.advanceUntil([&] { return splash.opacity() >= 252; }, 5000);
  shot("1");
}

void mainWindow(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  d.advanceUntil([] { return programWindows().Form1->visible(); }, 20000, 100);
  shot("1");
}

// The main window with a chapter page and its figures in the appendices window beside it; then
// a page scrolled to its picture, the help menu open, and a button's hint.
void viewer(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  d.advanceUntil([] { return programWindows().Form1->visible(); }, 20000, 100);
  TForm1& f = *programWindows().Form1;
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

}  // namespace

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> list = {
      {"splash", "the splash window at full opacity, counting down", splash},
      {"main", "the main window after the splash", mainWindow},
      {"viewer", "a chapter page in the main window with its figures in the appendices window; scrolled; menu; hint", viewer},
  };
  return list;
}

}  // namespace tavra
