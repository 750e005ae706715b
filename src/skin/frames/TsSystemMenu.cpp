#include "skin/frames/TsSystemMenu.h"

#include <array>
#include <optional>
#include <string_view>

#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenu.h"
#include "winsys/Keys.h"
#include "winsys/SystemMenuText.h"

namespace tavra {
namespace {

struct SystemCommand {
  WParam command;
  std::string_view caption;
};

// The items in their order, with the words used when the desktop has none; 0 is the separator.
constexpr std::array<SystemCommand, 7> kItems = {{
    {SC_RESTORE, "Restore"},
    {SC_MOVE, "Move"},
    {SC_SIZE, "Size"},
    {SC_MINIMIZE, "Minimize"},
    {SC_MAXIMIZE, "Maximize"},
    {0, "-"},
    {SC_CLOSE, "Close"},
}};

}  // namespace

TsSystemMenu::TsSystemMenu() : menu_(std::make_unique<TPopupMenu>(nullptr)) {
  // The menu skinner knows the system menu by this name and draws its commands' glyphs.
  menu_->setName(std::string(kName));
  for (const SystemCommand& entry : kItems) {
    TMenuItem& item = menu_->make<TMenuItem>();
    // The captions are the desktop's own, as its system menu shows them.
    const std::optional<std::string_view> desktop = entry.command != 0 ? systemCommandCaption(entry.command) : std::nullopt;
    item.setCaption(std::string(desktop.value_or(entry.caption)));
    item.Tag = static_cast<int>(entry.command);
    const WParam command = entry.command;
    if (command != 0) {
      item.OnClick = [this, command](TComponent&) {
        if (OnCommand) OnCommand(command);
      };
    }
    menu_->Items().Add(item);
  }
  // As the desktop's system menu shows it: the key that closes any window.
  itemOf(SC_CLOSE)->setShortCut({VK_F4, ssAlt});
}

TsSystemMenu::~TsSystemMenu() = default;

TMenuItem* TsSystemMenu::itemOf(WParam command) const {
  const TMenuItem& root = menu_->Items();
  for (int i = 0; i < root.count(); ++i) {
    if (static_cast<WParam>(root.items(i)->Tag) == command && command != 0) return root.items(i);
  }
  return nullptr;
}

void TsSystemMenu::build(const Rules& r) {
  using B = TFormBorderStyle;
  const bool canRestore = r.minimized || r.maximized;
  auto set = [&](WParam command, bool shown, bool enabled) {
    if (TMenuItem* item = itemOf(command)) {
      item->setVisible(shown);
      item->setEnabled(enabled);
    }
  };
  set(SC_RESTORE, r.largeSet, canRestore);
  set(SC_MOVE, true, !r.maximized);
  const bool sizeable = r.borderStyle != B::bsNone && r.borderStyle != B::bsDialog && r.borderStyle != B::bsToolWindow &&
                        r.borderStyle != B::bsSizeToolWin;
  set(SC_SIZE, sizeable, r.borderStyle != B::bsSingle && !r.minimized);
  set(SC_MINIMIZE, r.minimize.exists, r.minimize.exists && r.minimize.enabled);
  set(SC_MAXIMIZE, r.maximize.exists, r.maximize.exists && r.maximize.enabled);
  set(SC_CLOSE, r.hadSystemMenu, true);
  // The separator stands only between shown items.
  const TMenuItem& root = menu_->Items();
  for (int i = 0; i < root.count(); ++i) {
    if (root.items(i)->isLine()) root.items(i)->setVisible(r.hadSystemMenu);
  }
}

void TsSystemMenu::popup(Point screen) { menu_->Popup(screen.x, screen.y); }

}  // namespace tavra
