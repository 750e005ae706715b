// The menu loop's open menus: opening the bar's menu, submenus and popups where they fit,
// closing them, moving the selection within a level and along the bar, and the bar's state.
#include "framework/menus/MenuTracker.h"

#include <algorithm>
#include <exception>
#include <memory>

#include "framework/core/Application.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTrackerParts.h"
#include "winsys/WindowSystem.h"

namespace tavra {

using menutracker_parts::kScrollTimer;
using menutracker_parts::kSubmenuTimer;

namespace {

constexpr int kSubmenuDelayMs = 400;

bool selectable(const TMenuItem* item) { return item && !item->isLine(); }

// Runs an item's handler inside the loop; an error goes to the application's error box.
template <typename F>
void guarded(F&& f) {
  try {
    f();
  } catch (const std::exception& e) {
    if (TApplication::exists()) Application().HandleException(e);
  }
}

}  // namespace

// --- Levels ----------------------------------------------------------------------------------

std::vector<TMenuItem*> MenuTracker::barItems() const { return bar_ ? bar_->items() : std::vector<TMenuItem*>{}; }

TMenuItem* MenuTracker::barItem() const {
  std::vector<TMenuItem*> items = barItems();
  return barIndex_ >= 0 && barIndex_ < static_cast<int>(items.size()) ? items[static_cast<size_t>(barIndex_)] : nullptr;
}

int MenuTracker::levelOf(const PopupMenuWindow& window) const {
  for (size_t i = 0; i < levels_.size(); ++i) {
    if (levels_[i].get() == &window) return static_cast<int>(i);
  }
  return -1;
}

void MenuTracker::openBarItem(bool selectFirst) {
  TMenuItem* item = barItem();
  if (item) {
    if (TApplication::exists()) Application().setHint(GetLongHint(item->hint()));
    if (item->enabled() && item->hasSubmenu()) openPopup(*item, bar_->itemScreenRect(barIndex_), Placement::Below, selectFirst);
  }
  updateBar();
}

void MenuTracker::openSubmenu(int level, bool selectFirst) {
  PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
  int i = w.selected();
  if (i < 0) return;
  closeFrom(level + 1);
  Rect item = w.itemScreenRect(i);
  Rect popup = w.screenRect();
  openPopup(*w.items()[static_cast<size_t>(i)], Rect{popup.left, item.top, popup.right, item.bottom}, Placement::Beside, selectFirst);
}

void MenuTracker::openPopup(TMenuItem& parent, const Rect& anchor, Placement placement, bool selectFirst) {
  // An item's click runs as its submenu opens, so a handler can fill or update it.
  if (&parent != root_) guarded([&] { parent.Click(); });
  if (done_ || parent.visibleItems().empty()) return;
  auto popup = std::make_unique<PopupMenuWindow>(parent, [this](PopupMenuWindow& w, std::uintptr_t id) { timer(w, id); });
  Size s = popup->size();
  Size desktop = WindowSystem::instance().desktopSize();
  Point at;
  const int frame = PopupMenuWindow::kFrame;
  switch (placement) {
    case Placement::Below:
    case Placement::AtPoint:
      at = {anchor.left, anchor.bottom};
      if (at.y + s.height > desktop.height && anchor.top - s.height >= 0) at.y = anchor.top - s.height;
      if (placement == Placement::AtPoint && at.x + s.width > desktop.width && anchor.left - s.width >= 0) at.x = anchor.left - s.width;
      break;
    case Placement::Beside:
      at = {anchor.right - frame, anchor.top - frame};
      if (at.x + s.width > desktop.width) at.x = anchor.left - s.width + frame;
      break;
  }
  popup->setShowAccelerators(keyboard_);
  popup->showAt(at);
  levels_.push_back(std::move(popup));
  if (selectFirst) move(depth() - 1, 1);
}

void MenuTracker::closeFrom(int level) {
  while (depth() > std::max(level, 0)) {
    if (scrollLevel_ >= depth() - 1) stopScrolling();
    levels_.pop_back();
  }
  if (level <= 0) updateBar();
}

void MenuTracker::hover(int level, int index) {
  PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
  WindowSystem& ws = WindowSystem::instance();
  if (index == w.selected()) {
    // Back on the item whose submenu is open: nothing is to close.
    if (depth() > level + 1) ws.killTimer(w.window(), kSubmenuTimer);
    return;
  }
  w.setSelected(index);
  ws.killTimer(w.window(), kSubmenuTimer);
  TMenuItem* item = index >= 0 ? w.items()[static_cast<size_t>(index)] : nullptr;
  if (item && TApplication::exists()) Application().setHint(GetLongHint(item->hint()));
  bool otherOpen = depth() > level + 1;
  bool wantsSubmenu = item && item->enabled() && item->hasSubmenu();
  if (otherOpen || wantsSubmenu) ws.setTimer(w.window(), kSubmenuTimer, kSubmenuDelayMs);
}

void MenuTracker::move(int level, int step) {
  PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
  const auto& items = w.items();
  int n = static_cast<int>(items.size());
  if (n == 0) return;
  int i = w.selected();
  if (i < 0) i = step > 0 ? -1 : n;
  for (int tries = 0; tries < n; ++tries) {
    i = ((i + step) % n + n) % n;
    if (selectable(items[static_cast<size_t>(i)])) {
      closeFrom(level + 1);
      hover(level, i);
      WindowSystem::instance().killTimer(w.window(), kSubmenuTimer);
      return;
    }
  }
}

void MenuTracker::activateSelected(int level) {
  PopupMenuWindow& w = *levels_[static_cast<size_t>(level)];
  int i = w.selected();
  if (i < 0) return;
  TMenuItem* item = w.items()[static_cast<size_t>(i)];
  if (item->isLine() || !item->enabled()) return;
  if (item->hasSubmenu()) openSubmenu(level, true);
  else choose(item);
}

void MenuTracker::stepBar(int step) {
  int n = static_cast<int>(barItems().size());
  if (n == 0) return;
  bool wasOpen = depth() > 0;
  closeFrom(0);
  barIndex_ = ((barIndex_ + step) % n + n) % n;
  if (wasOpen) openBarItem(true);
  else updateBar();
}

void MenuTracker::updateBar() {
  if (!bar_ || done_) return;
  TMenuItem* item = barItem();
  bool pressed = depth() > 0 || (pressedOnBar_ && item && !item->hasSubmenu());
  bar_->setState(barIndex_, pressed, keyboard_);
}

void MenuTracker::showAccelerators() {
  for (auto& level : levels_) level->setShowAccelerators(keyboard_);
  updateBar();
}

void MenuTracker::stopScrolling() {
  if (scrollLevel_ >= 0 && scrollLevel_ < depth()) WindowSystem::instance().killTimer(levels_[static_cast<size_t>(scrollLevel_)]->window(), kScrollTimer);
  scrollLevel_ = -1;
  scrollStep_ = 0;
}

}  // namespace tavra
