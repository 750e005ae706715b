#pragma once
// A form's menu bar: one line of the main menu's top-level items in the form's non-client area
// under the caption. It adds its height to the frame (WM_NCCALCSIZE), answers HTMENU to hit
// tests, paints itself after the frame, and starts the menu loop on a press, on Alt or F10 and
// on Alt with an item's accelerator.
#include <functional>
#include <vector>

#include "base/Geometry.h"
#include "framework/core/ControlMessages.h"
#include "framework/menus/MenuItem.h"

namespace tavra {

class TCustomForm;
class TMainMenu;

class MenuBar {
 public:
  explicit MenuBar(TCustomForm& form);

  TCustomForm& form() const { return form_; }
  TMainMenu* menu() const { return menu_; }
  void setMenu(TMainMenu* menu);
  // The bar's height: the menu bar line when there is an item to show, 0 otherwise.
  int height() const;
  // Window coordinates.
  Rect barRect() const;
  std::vector<TMenuItem*> items() const;
  Rect itemRect(int index) const;
  Rect itemScreenRect(int index) const;
  int itemAt(Point windowPoint) const;
  int itemAtScreen(Point screen) const;

  // What the menu loop shows: the selected item (-1 none), whether its menu is open, and whether
  // accelerators are underlined.
  void setState(int selected, bool open, bool showAccelerators);
  int selected() const { return selected_; }
  bool open() const { return open_; }
  bool showAccelerators() const { return showAccelerators_; }

  bool handleMessage(TMessage& m, const std::function<void(TMessage&)>& callDefault);
  void paint(Canvas& windowCanvas) const;
  // The menu's items changed: the bar is measured and painted again.
  void changed();

 private:
  std::vector<int> itemWidths() const;
  void invalidate() const;

  TCustomForm& form_;
  TMainMenu* menu_ = nullptr;
  int selected_ = -1;
  bool open_ = false;
  bool showAccelerators_ = false;
};

}  // namespace tavra
