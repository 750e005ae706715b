// The menu loop's mouse handling: hovering, pressing and releasing over the menus and the bar,
// the wheel, scrolling at a tall menu's arrows, and the submenu delay.
#include "framework/menus/MenuTracker.h"

#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTrackerParts.h"
#include "winsys/WindowSystem.h"

namespace tavra {

using menutracker_parts::kScrollTimer;
using menutracker_parts::kSubmenuTimer;

namespace {

constexpr int kScrollRepeatMs = 50;
constexpr int kScrollStep = 16;

}  // namespace

void MenuTracker::mouseMove(Point p) {
  if (p == lastMouse_) return;
  lastMouse_ = p;
  for (int level = depth() - 1; level >= 0; --level) {
    PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
    if (!w.contains(p)) continue;
    PopupMenuWindow::ScrollArrow arrow = w.arrowAt(p);
    if (arrow != PopupMenuWindow::ScrollArrow::None) {
      int step = arrow == PopupMenuWindow::ScrollArrow::Up ? -kScrollStep : kScrollStep;
      if (scrollLevel_ != level || scrollStep_ != step) {
        stopScrolling();
        scrollLevel_ = level;
        scrollStep_ = step;
        w.scrollBy(step);
        WindowSystem::instance().setTimer(w.window(), kScrollTimer, kScrollRepeatMs);
      }
      return;
    }
    stopScrolling();
    hover(level, w.itemAt(p));
    return;
  }
  stopScrolling();
  if (bar_) {
    int b = bar_->itemAtScreen(p);
    if (b >= 0 && b != barIndex_) {
      bool wasOpen = depth() > 0;
      closeFrom(0);
      barIndex_ = b;
      pressedOnBar_ = false;
      if (wasOpen) openBarItem(false);
      else updateBar();
      return;
    }
    if (b >= 0) return;
  }
  // Outside every menu: the deepest one keeps no selection.
  if (depth() > 0) {
    PopupMenuWindow& deepest = *levels_.back();
    WindowSystem::instance().killTimer(deepest.window(), kSubmenuTimer);
    deepest.setSelected(-1);
  }
}

void MenuTracker::mouseDown(Point p) {
  lastMouse_ = p;
  for (int level = depth() - 1; level >= 0; --level) {
    PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
    if (!w.contains(p)) continue;
    int i = w.itemAt(p);
    if (i < 0) return;
    hover(level, i);
    TMenuItem* item = w.items()[static_cast<size_t>(i)];
    bool open = depth() > level + 1 && &levels_[static_cast<size_t>(level + 1)]->parentItem() == item;
    if (item->enabled() && item->hasSubmenu() && !open) {
      closeFrom(level + 1);
      openSubmenu(level, false);
    }
    return;
  }
  if (bar_) {
    int b = bar_->itemAtScreen(p);
    if (b >= 0) {
      if (b == barIndex_ && (depth() > 0 || pressedOnBar_)) {
        finish(nullptr);
        return;
      }
      closeFrom(0);
      barIndex_ = b;
      keyboard_ = false;
      pressedOnBar_ = true;
      openBarItem(false);
      return;
    }
  }
  // A press outside the menus closes them and is not passed on.
  finish(nullptr);
}

void MenuTracker::mouseUp(Point p) {
  bool heldFromBar = pressedOnBar_;
  pressedOnBar_ = false;
  for (int level = depth() - 1; level >= 0; --level) {
    PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
    if (!w.contains(p)) continue;
    int i = w.itemAt(p);
    if (i < 0) return;
    TMenuItem* item = w.items()[static_cast<size_t>(i)];
    if (item->isLine() || !item->enabled()) return;
    if (item->hasSubmenu()) {
      bool open = depth() > level + 1 && &levels_[static_cast<size_t>(level + 1)]->parentItem() == item;
      if (!open) {
        closeFrom(level + 1);
        openSubmenu(level, false);
      }
      return;
    }
    choose(item);
    return;
  }
  if (bar_ && heldFromBar) {
    // Released on the bar item that was pressed: a bar item without a menu is chosen; one with a
    // menu leaves it open.
    int b = bar_->itemAtScreen(p);
    TMenuItem* item = barItem();
    if (b == barIndex_ && item && !item->hasSubmenu() && item->enabled()) choose(item);
  }
  updateBar();
}

void MenuTracker::wheel(Point p, int delta) {
  for (int level = depth() - 1; level >= 0; --level) {
    PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
    if (w.contains(p) || level == 0) {
      if (w.scrolls()) w.scrollBy(-delta / 120 * 3 * kScrollStep);
      return;
    }
  }
}

void MenuTracker::timer(PopupMenuWindow& window, std::uintptr_t id) {
  WindowSystem::instance().killTimer(window.window(), id);
  int level = levelOf(window);
  if (level < 0) return;
  if (id == kScrollTimer) {
    if (scrollLevel_ != level) return;
    window.scrollBy(scrollStep_);
    WindowSystem::instance().setTimer(window.window(), kScrollTimer, kScrollRepeatMs);
    return;
  }
  // The pointer rested on an item: its submenu opens, another one closes.
  int i = window.selected();
  TMenuItem* item = i >= 0 ? window.items()[static_cast<size_t>(i)] : nullptr;
  bool open = depth() > level + 1 && &levels_[static_cast<size_t>(level + 1)]->parentItem() == item;
  if (open) return;
  closeFrom(level + 1);
  if (item && item->enabled() && item->hasSubmenu()) openSubmenu(level, false);
}

}  // namespace tavra
