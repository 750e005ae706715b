#pragma once
// One open level of a menu: a top-level popup window of the system's menu class "#32768" that
// shows the visible items of a parent item in columns (an item with a break starts a new one),
// with a raised three-pixel frame. A menu taller than the desktop shows scroll arrows at its top
// and bottom. The menu loop drives it: it places and shows it, moves the selection and hands it
// the mouse; the window paints the items through their DrawItem.
#include <functional>
#include <memory>
#include <vector>

#include "framework/menus/MenuItem.h"
#include "winsys/Window.h"

namespace tavra {

class PopupMenuWindow {
 public:
  enum class ScrollArrow { None, Up, Down };
  using TimerHandler = std::function<void(PopupMenuWindow& window, std::uintptr_t id)>;

  PopupMenuWindow(TMenuItem& parent, TimerHandler onTimer);
  ~PopupMenuWindow();
  PopupMenuWindow(const PopupMenuWindow&) = delete;
  PopupMenuWindow& operator=(const PopupMenuWindow&) = delete;

  TMenuItem& parentItem() const { return parent_; }
  const std::vector<TMenuItem*>& items() const { return items_; }
  Window& window() { return *window_; }
  Size size() const { return size_; }

  // Puts the window's top-left at a screen point, kept on the desktop, and shows it.
  void showAt(Point topLeft);
  Rect screenRect() const;
  bool contains(Point screen) const { return screenRect().contains(screen); }

  int selected() const { return selected_; }
  void setSelected(int index);
  void setShowAccelerators(bool on);
  // The item under a screen point (-1: none, or a scroll arrow).
  int itemAt(Point screen) const;
  // An item's rectangle in client coordinates (as scrolled), and on the screen.
  Rect itemRect(int index) const;
  Rect itemScreenRect(int index) const;

  bool scrolls() const { return scrolls_; }
  ScrollArrow arrowAt(Point screen) const;
  int scrollOffset() const { return scrollOffset_; }
  void scrollBy(int pixels);
  void scrollToShow(int index);

  static constexpr int kFrame = 3;       // the raised frame around the items
  static constexpr int kArrowHeight = 16;
  static constexpr int kColumnGap = 4;   // between columns of a menu with breaks

 private:
  struct Entry {
    TMenuItem* item;
    Rect rect;  // content coordinates
  };
  void layout();
  void paint(Canvas& canvas);
  Rect itemArea() const;  // client coordinates of the part showing items
  int contentHeight() const { return contentSize_.height; }

  TMenuItem& parent_;
  TimerHandler onTimer_;
  std::vector<TMenuItem*> items_;
  std::vector<Entry> entries_;
  Size contentSize_;
  Size size_;
  bool scrolls_ = false;
  int scrollOffset_ = 0;
  int selected_ = -1;
  bool showAccelerators_ = false;
  std::unique_ptr<Window> window_;
};

}  // namespace tavra
