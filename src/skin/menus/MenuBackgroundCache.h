#pragma once
// The pictures of the open popup menus, one per menu, keyed by the menu's first item: the
// composed background (the size of the popup window), the window it was made for and whether
// the menu shows the extra line. Process-wide: every menu skinner shares it. It is emptied when
// a popup window it was made for is gone (the menus closed), and at shutdown.
#include <memory>
#include <vector>

#include "gfx/Bitmap.h"
#include "winsys/Window.h"

namespace tavra {

class TMenuItem;

struct MenuBackground {
  const TMenuItem* firstItem = nullptr;
  std::unique_ptr<Bitmap> bitmap;
  WindowHandle window = 0;
  bool extraLine = false;
};

class MenuBackgroundCache {
 public:
  static MenuBackgroundCache& instance();

  // The entry of the menu whose first item is `firstItem`, or null. An entry made for a window
  // that no longer exists empties the whole cache first: its menus have closed.
  MenuBackground* find(const TMenuItem* firstItem);
  MenuBackground& add(MenuBackground entry);
  void remove(const TMenuItem* firstItem);
  void clear() { entries_.clear(); }
  int size() const { return static_cast<int>(entries_.size()); }

  // From the last background built: the glyph width of its first item and the icon column width.
  int glyphWidth = 0;
  int iconColumnWidth = 0;

 private:
  void dropClosed();
  std::vector<MenuBackground> entries_;
};

}  // namespace tavra
