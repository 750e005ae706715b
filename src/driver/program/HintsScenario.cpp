#include "driver/program/HintsScenario.h"

#include <array>

#include "program/ProgramWindows.h"
#include "driver/program/ProgramStart.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenuWindow.h"
#include "selftest/TestingWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"

namespace tavra {
namespace {

// The start skin, a textured light one and a dark one.
constexpr std::array<const char*, 3> kSkins = {"Rhombus", "Wood", "Office2007 Black"};

Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// Rests the pointer on a point until the hint there has faded in, and takes the picture.
void hintAt(HeadlessDriver& d, Point p, const std::function<void(const std::string&)>& shot, const std::string& step) {
  d.app().CancelHint();
  d.moveTo({1, 1});
  d.moveTo(p);
  d.advance(d.app().HintPause + 50);
  d.settle();
  shot(step);
}

}  // namespace

void hintsScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  TestingWindow& test = *programWindows().testingWindow;
  for (size_t i = 0; i < kSkins.size(); ++i) {
    const std::string prefix = std::to_string(i + 1);
    main.sm->setSkinName(kSkins[i]);
    d.settle();
    // The help menu ("Справка") open.
    const Rect help = main.menuBar().itemScreenRect(1);
    d.whenMenuOpen([&] {
      const Rect item = MenuTracker::active()->level(0)->itemScreenRect(0);
      d.moveTo(centre(item));
      d.settle();
      shot(prefix + "-menu");
    });
    d.click(centre(help));
    d.settle();
    // The system menu, opened by a right click on the caption, its last item (close) hot.
    d.whenMenuOpen([&] {
      PopupMenuWindow& menu = *MenuTracker::active()->level(0);
      d.moveTo(centre(menu.itemScreenRect(static_cast<int>(menu.items().size()) - 1)));
      d.settle();
      shot(prefix + "-system-menu");
    });
    d.click(main.window()->screenOrigin() + Point{300, 10}, MouseButton::Right);
    d.settle();
    hintAt(d, d.centreOf(*main.f1b1), shot, prefix + "-button");
    hintAt(d, main.tv->clientToScreen({120, 420}), shot, prefix + "-tree");
    main.f1b3Click(main);
    d.settle();
    hintAt(d, d.centreOf(*test.e1), shot, prefix + "-field");
    d.app().CancelHint();
    test.f2b1Click(test);
    d.settle();
  }
}

}  // namespace tavra
