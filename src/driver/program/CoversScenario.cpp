#include "driver/program/CoversScenario.h"

#include "program/ProgramWindows.h"
#include "driver/program/ProgramStart.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "viewer/MainWindow.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

void chooseCover(HeadlessDriver& d, int index, const std::function<void()>& whileOpen) {
  MainWindow& f = *programWindows().mainWindow;
  // "Вид" is open: a press on "Обложки" opens the covers at once.
  d.whenMenuOpen([&d] { d.click(centre(MenuTracker::active()->level(0)->itemScreenRect(0))); });
  d.whenMenuOpen([&d, index, whileOpen] {
    PopupMenuWindow& covers = *MenuTracker::active()->level(1);
    const Rect window = covers.screenRect();
    const Point inside = centre(window);
    // The wheel, one notch at a time, until the whole item shows between the arrows.
    for (int guard = 0; guard < 200; ++guard) {
      const Rect item = covers.itemScreenRect(index);
      const bool above = item.top < window.top + PopupMenuWindow::kFrame + PopupMenuWindow::kArrowHeight;
      const bool below = item.bottom > window.bottom - PopupMenuWindow::kFrame - PopupMenuWindow::kArrowHeight;
      if (!above && !below) break;
      InputEvent wheel = InputEvent::mouse(InputEvent::Kind::MouseWheel, inside);
      wheel.wheelDelta = above ? 120 : -120;
      WindowSystem::instance().dispatchInput(wheel);
      d.settle();
    }
    d.moveTo(centre(covers.itemScreenRect(index)));
    d.settle();
    if (whileOpen) whileOpen();
    d.click(centre(covers.itemScreenRect(index)));
  });
  d.click(centre(f.menuBar().itemScreenRect(0)));
  d.settle();
}

void coversScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  struct Choice {
    int index;
    const char* step;
  };
  // Wood, Vista and Golden: one item near the end, one in the middle, one near the top.
  for (const Choice& c : {Choice{48, "wood"}, Choice{43, "vista"}, Choice{13, "golden"}}) {
    chooseCover(d, c.index, [&] { shot(std::string(c.step) + "-menu"); });
    d.settle();
    shot(c.step);
  }
}

}  // namespace tavra
