#pragma once
// The skinned system menu of a form: restore, move, size, minimise, maximise, a separator and
// close, each shown and enabled by the window's state. It is a popup menu of the framework, so
// the menu skinner draws it like every other popup menu.
#include <functional>
#include <memory>
#include <string_view>

#include "framework/core/Form.h"
#include "skin/frames/CaptionButtons.h"
#include "skin/menus/SystemMenuGlyph.h"
#include "winsys/Messages.h"

namespace tavra {

class TPopupMenu;
class TMenuItem;

class TsSystemMenu {
 public:
  // The window's state the items depend on.
  struct Rules {
    bool largeSet = false;
    TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
    bool minimized = false;
    bool maximized = false;
    bool hadSystemMenu = false;
    CaptionButton minimize;
    CaptionButton maximize;
  };

  // The popup menu's name.
  static constexpr std::string_view kName = kSystemMenuName;

  TsSystemMenu();
  ~TsSystemMenu();
  TsSystemMenu(const TsSystemMenu&) = delete;
  TsSystemMenu& operator=(const TsSystemMenu&) = delete;

  // Shows and enables the items for the window's state.
  void build(const Rules& rules);
  // Opens the menu with its top-left at a screen point; a chosen item runs OnCommand.
  void popup(Point screen);

  TPopupMenu& menu() { return *menu_; }
  // The item of a command (SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, SC_CLOSE).
  TMenuItem* itemOf(WParam command) const;

  std::function<void(WParam command)> OnCommand;

 private:
  std::unique_ptr<TPopupMenu> menu_;
};

}  // namespace tavra
