#pragma once
// A form's menu bar: the main menu's top-level items in the form's non-client area under the
// caption, in as many lines as the window's width needs (an item that would pass the right edge
// starts a new line). It adds its height to the frame (WM_NCCALCSIZE), answers HTMENU to hit
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
  // The bar's height: its lines, each lineHeight() high, and a row of the bar's colour under
  // them; 0 when there is no item to show.
  int height() const;
  // The lines the items take in the window's width (0 without an item to show).
  int lineCount() const;
  // One line of items: the system's menu bar height less the row under the bar.
  static int lineHeight();
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
  // The items' rectangles relative to the bar's top-left in a bar `width` wide.
  std::vector<Rect> layout(int width) const;
  // The width the items are laid out in: the window's client width (unbounded without a window).
  int layoutWidth() const;
  int heightFor(int width) const;
  void invalidate() const;

  TCustomForm& form_;
  TMainMenu* menu_ = nullptr;
  int selected_ = -1;
  bool open_ = false;
  bool showAccelerators_ = false;
};

}  // namespace tavra
