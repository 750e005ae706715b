#include "driver/program/MenusScenario.h"

#include <array>

#include "driver/program/ProgramStart.h"
#include "framework/core/Form.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "framework/menus/PopupMenuWindow.h"
#include "platform/page/WebBrowser.h"
#include "program/ProgramWindows.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

// The start skin, a textured light one and a dark one.
constexpr std::array<const char*, 3> kSkins = {"Rhombus", "Wood", "Office2007 Black"};

Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A small window with the main window's menu bar: too narrow for its three items on one line.
TForm& narrowMenuWindow(HeadlessDriver& d) {
  TForm& form = d.app().CreateForm<TForm>();
  form.setBorderStyle(TFormBorderStyle::bsSizeable);
  form.setCaption("Veltrana");
  TMainMenu& menu = form.make<TMainMenu>();
  for (const char* caption : {"Вид", "Справка", "Выход"}) {
    TMenuItem& item = form.make<TMenuItem>();
    item.setCaption(caption);
    menu.Items().Add(item);
  }
  TMenuItem& help = *menu.Items().items(1);
  for (const char* caption : {"Помощь", "О программе"}) {
    TMenuItem& item = form.make<TMenuItem>();
    item.setCaption(caption);
    help.Add(item);
  }
  form.setMenu(&menu);
  form.setBounds(620, 420, 112, 160);
  return form;
}

}  // namespace

void menusScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  startProgram(d);
  d.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  main.tv->setSelected(main.tv->items().item(10));  // a chapter page: something to select
  d.settle();
  TForm& narrow = narrowMenuWindow(d);
  for (size_t i = 0; i < kSkins.size(); ++i) {
    const std::string prefix = std::to_string(i + 1);
    main.sm->setSkinName(kSkins[i]);
    main.Show();
    d.settle();
    // The context menu of the page, the pointer on "Выделить всё".
    d.whenMenuOpen([&] {
      PopupMenuWindow& menu = *MenuTracker::active()->level(0);
      d.moveTo(centre(menu.itemScreenRect(4)));
      d.settle();
      shot(prefix + "-context-menu");
      // The zoom submenu beside it, its 100 % item showing Ctrl+0.
      d.moveTo(centre(menu.itemScreenRect(static_cast<int>(menu.items().size()) - 1)));
      d.advance(500);
      d.settle();
      shot(prefix + "-zoom-menu");
      d.pressKey(VK_ESCAPE);
      d.pressKey(VK_ESCAPE);
    });
    d.click(main.wb1->clientToScreen({300, 200}), MouseButton::Right);
    d.settle();
    // The system menu, its close item hot.
    d.whenMenuOpen([&] {
      PopupMenuWindow& menu = *MenuTracker::active()->level(0);
      d.moveTo(centre(menu.itemScreenRect(static_cast<int>(menu.items().size()) - 1)));
      d.settle();
      shot(prefix + "-system-menu");
      d.pressKey(VK_ESCAPE);
    });
    d.click(main.window()->screenOrigin() + Point{300, 10}, MouseButton::Right);
    d.settle();
    // The narrow window: its bar on two lines, "Выход" alone on the second; then the help menu
    // open under the first, the pointer moved onto "Выход", which the bar now shows chosen.
    narrow.Show();
    d.settle();
    shot(prefix + "-narrow");
    d.whenMenuOpen([&] {
      d.settle();
      shot(prefix + "-narrow-menu");
      d.moveTo(centre(narrow.menuBar().itemScreenRect(2)));
      d.settle();
      shot(prefix + "-narrow-bar");
      d.pressKey(VK_ESCAPE);
    });
    d.click(centre(narrow.menuBar().itemScreenRect(1)));
    d.settle();
    narrow.Hide();
    d.settle();
  }
}

}  // namespace tavra
