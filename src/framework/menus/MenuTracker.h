#pragma once
// The modal menu loop. While it runs, every mouse and key event goes to it (an input filter of
// the window system), and timers, painting and posted messages go on as usual.
//   Mouse: pressing a bar item opens its menu, pressing it again closes it; moving over the bar
//   with a menu open switches menus; resting on an item with a submenu opens it after a short
//   delay (a press opens it at once); releasing on an item chooses it; a press outside closes.
//   Keys: arrows move within a menu, Right opens a submenu or moves to the next bar menu, Left
//   closes a submenu or moves to the previous one; Enter chooses or opens; Escape closes one
//   level; Home/End; a letter picks the item it is the accelerator of (or, failing that, the
//   first letter of), choosing it when only one matches; Alt or F10 leaves.
// The chosen item's click runs after the menus have closed. A menu taller than the desktop
// scrolls with the arrows at its ends and the wheel.
#include <memory>
#include <vector>

#include "framework/menus/MenuItem.h"
#include "framework/menus/PopupMenuWindow.h"
#include "winsys/InputEvent.h"

namespace tavra {

class MenuBar;

class MenuTracker {
 public:
  enum class Start { Mouse, Keyboard, Accelerator };

  // The loop of a form's menu bar, from a press on bar item `index`, from Alt or F10 (item
  // `index` selected, nothing open) or from an accelerator (its menu open). Returns when the
  // menu has closed and the chosen item (if any) has been clicked.
  static void trackBar(MenuBar& bar, int index, Start start);
  // The loop of a popup menu showing `root`'s items with its top-left at a screen point.
  static void trackPopup(TMenuItem& root, Point screen);
  // The loop running now, if any.
  static MenuTracker* active();
  // Among `items`, the next one after `from` (cyclically) whose accelerator is `letter`, else
  // whose first letter is; -1 when none.
  static int findByLetter(const std::vector<TMenuItem*>& items, char32_t letter, int from);

  // Closes every menu; the loop ends without a choice.
  void cancel() { finish(nullptr); }
  int depth() const { return static_cast<int>(levels_.size()); }
  PopupMenuWindow* level(int index) const { return levels_.at(static_cast<size_t>(index)).get(); }
  int barSelection() const { return barIndex_; }

 private:
  MenuTracker(MenuBar* bar, TMenuItem* root) : bar_(bar), root_(root) {}
  MenuTracker(const MenuTracker&) = delete;
  MenuTracker& operator=(const MenuTracker&) = delete;

  void run();
  bool ownerShowing() const;
  bool filter(const InputEvent& ev);
  void mouseMove(Point p);
  void mouseDown(Point p);
  void mouseUp(Point p);
  void wheel(Point p, int delta);
  void keyDown(unsigned key);
  void typed(char32_t letter);
  void timer(PopupMenuWindow& window, std::uintptr_t id);

  std::vector<TMenuItem*> barItems() const;
  TMenuItem* barItem() const;
  void openBarItem(bool selectFirst);
  void openSubmenu(int level, bool selectFirst);
  enum class Placement { Below, Beside, AtPoint };
  void openPopup(TMenuItem& parent, const Rect& anchor, Placement placement, bool selectFirst);
  void closeFrom(int level);
  void hover(int level, int index);
  void move(int level, int step);
  void activateSelected(int level);
  void stepBar(int step);
  void updateBar();
  void showAccelerators();
  void choose(TMenuItem* item);
  void finish(TMenuItem* chosen);
  void stopScrolling();
  int levelOf(const PopupMenuWindow& window) const;

  MenuBar* bar_ = nullptr;
  TMenuItem* root_ = nullptr;  // a popup menu's items
  std::vector<std::unique_ptr<PopupMenuWindow>> levels_;
  int barIndex_ = -1;
  bool keyboard_ = false;      // driven by keys: accelerators are underlined
  bool pressedOnBar_ = false;  // the press that opened the menu is still held
  bool altDown_ = false;        // Alt went down inside the loop: its release leaves it
  bool altHeld_ = false;        // Alt is held now (it may have been when the loop began)
  Point lastMouse_{-32000, -32000};
  int scrollLevel_ = -1;
  int scrollStep_ = 0;
  bool done_ = false;
  TMenuItem* chosen_ = nullptr;
};

}  // namespace tavra
