#include "framework/menus/MenuTracker.h"

#include <algorithm>

#include "base/Text.h"
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "framework/menus/MenuBar.h"
#include "winsys/Keys.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

MenuTracker* gActive = nullptr;

constexpr std::uintptr_t kSubmenuTimer = 1;
constexpr std::uintptr_t kScrollTimer = 2;
constexpr int kSubmenuDelayMs = 400;
constexpr int kScrollRepeatMs = 50;
constexpr int kScrollStep = 16;

char32_t upper(char32_t c) {
  std::u32string up = utf8ToCodePoints(toUpperUtf8(codePointsToUtf8(std::u32string(1, c))));
  return up.empty() ? c : up.front();
}

bool selectable(const TMenuItem* item) { return item && !item->isLine(); }

// The item picked by a letter, and whether it is the only one the letter picks.
std::pair<int, bool> matchLetter(const std::vector<TMenuItem*>& items, char32_t letter, int from) {
  letter = upper(letter);
  int n = static_cast<int>(items.size());
  for (bool byAccelerator : {true, false}) {
    int found = -1, count = 0;
    for (int step = 1; step <= n; ++step) {
      int i = ((from + step) % n + n) % n;
      const TMenuItem* item = items[static_cast<size_t>(i)];
      if (item->isLine()) continue;
      bool match = byAccelerator ? item->accelerator() == letter : (item->accelerator() == 0 && item->firstLetter() == letter);
      if (!match) continue;
      if (found < 0) found = i;
      ++count;
    }
    if (found >= 0) return {found, count == 1};
  }
  return {-1, false};
}

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

MenuTracker* MenuTracker::active() { return gActive; }

int MenuTracker::findByLetter(const std::vector<TMenuItem*>& items, char32_t letter, int from) {
  return matchLetter(items, letter, from).first;
}

void MenuTracker::trackBar(MenuBar& bar, int index, Start start) {
  std::vector<TMenuItem*> items = bar.items();
  if (gActive || index < 0 || index >= static_cast<int>(items.size())) return;
  MenuTracker t(&bar, nullptr);
  t.barIndex_ = index;
  t.keyboard_ = start != Start::Mouse;
  t.pressedOnBar_ = start == Start::Mouse;
  t.lastMouse_ = WindowSystem::instance().cursorPos();
  if (start == Start::Keyboard) {
    t.updateBar();
  } else if (start == Start::Accelerator && !items[static_cast<size_t>(index)]->hasSubmenu()) {
    t.choose(items[static_cast<size_t>(index)]);
  } else {
    t.openBarItem(start == Start::Accelerator);
  }
  t.run();
}

void MenuTracker::trackPopup(TMenuItem& root, Point screen) {
  if (gActive || root.visibleItems().empty()) return;
  MenuTracker t(nullptr, &root);
  t.lastMouse_ = WindowSystem::instance().cursorPos();
  t.openPopup(root, Rect::fromSize(screen.x, screen.y, 0, 0), Placement::AtPoint, false);
  t.run();
}

bool MenuTracker::ownerShowing() const {
  if (!bar_) return true;
  Window* w = bar_->form().window();
  return w && w->isShowing();
}

void MenuTracker::run() {
  WindowSystem& ws = WindowSystem::instance();
  gActive = this;
  WindowHandle owner = bar_ && bar_->form().window() ? bar_->form().window()->handle() : 0;
  if (Window* w = ws.find(owner)) w->send(WM_ENTERMENULOOP, 0, 0);
  if (TApplication::exists()) Application().CancelHint();
  altHeld_ = (ws.modifiers() & kModAlt) != 0;
  int filterId = ws.addInputFilter([this](const InputEvent& ev) { return filter(ev); });
  struct Cleanup {
    MenuTracker& t;
    WindowSystem& ws;
    int filterId;
    ~Cleanup() {
      ws.removeInputFilter(filterId);
      t.stopScrolling();
      while (!t.levels_.empty()) t.levels_.pop_back();
      if (t.bar_) t.bar_->setState(-1, false, false);
      gActive = nullptr;
      if (TApplication::exists()) Application().setHint("");
    }
  };
  {
    Cleanup cleanup{*this, ws, filterId};
    // The loop also ends when nothing more can happen (a virtual clock without input).
    ws.runLoop([this] { return done_ || !ownerShowing(); });
  }
  if (Window* w = ws.find(owner)) w->send(WM_EXITMENULOOP, 0, 0);
  if (chosen_ && chosen_->enabled()) chosen_->Click();
}

// --- Input -----------------------------------------------------------------------------------

bool MenuTracker::filter(const InputEvent& ev) {
  using K = InputEvent::Kind;
  try {
    switch (ev.kind) {
      case K::MouseMove: mouseMove(ev.screen); return true;
      case K::MouseDown: mouseDown(ev.screen); return true;
      case K::MouseUp: mouseUp(ev.screen); return true;
      case K::MouseWheel: wheel(ev.screen, ev.wheelDelta); return true;
      case K::KeyDown:
        // A held Alt reported again (a key repeat, or the display re-reporting held keys when a
        // menu window appears) is not a new press: Alt+Space must not close its own menu.
        if (ev.key == VK_MENU && altHeld_) return true;
        if (ev.key == VK_MENU) altHeld_ = true;
        keyDown(ev.key);
        return true;
      case K::KeyUp:
        // Alt pressed and released inside the loop leaves it.
        if (ev.key == VK_MENU) {
          altHeld_ = false;
          if (altDown_) finish(nullptr);
        }
        return true;
      case K::Text:
        for (char32_t c : utf8ToCodePoints(ev.text)) {
          if (c >= 32) typed(c);
        }
        return true;
      default:
        return false;
    }
  } catch (const std::exception& e) {
    if (TApplication::exists()) Application().HandleException(e);
    return true;
  }
}

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

void MenuTracker::keyDown(unsigned key) {
  if (!keyboard_) {
    keyboard_ = true;
    showAccelerators();
  }
  int d = depth();
  switch (key) {
    case VK_MENU:
      altDown_ = true;
      return;
    case VK_F10:
      finish(nullptr);
      return;
    case VK_ESCAPE:
      if (d == 0) {
        finish(nullptr);
        return;
      }
      closeFrom(d - 1);
      if (d == 1 && !bar_) finish(nullptr);
      updateBar();
      return;
    case VK_UP:
    case VK_DOWN:
      if (d == 0) {
        if (bar_ && barItem() && barItem()->hasSubmenu()) openBarItem(true);
        if (key == VK_UP && depth() > 0) move(0, -1);
        return;
      }
      move(d - 1, key == VK_DOWN ? 1 : -1);
      return;
    case VK_HOME:
    case VK_END:
      if (d > 0) {
        PopupMenuWindow& w = *levels_.back();
        w.setSelected(-1);
        move(d - 1, key == VK_HOME ? 1 : -1);
      }
      return;
    case VK_LEFT:
      if (d > 1) {
        closeFrom(d - 1);
        return;
      }
      if (bar_) stepBar(-1);
      return;
    case VK_RIGHT:
      if (d > 0) {
        PopupMenuWindow& w = *levels_.back();
        int i = w.selected();
        if (i >= 0) {
          TMenuItem* item = w.items()[static_cast<size_t>(i)];
          if (item->enabled() && item->hasSubmenu()) {
            openSubmenu(d - 1, true);
            return;
          }
        }
      }
      if (bar_) stepBar(1);
      return;
    case VK_RETURN:
      if (d == 0) {
        if (bar_ && barItem()) {
          if (barItem()->hasSubmenu()) openBarItem(true);
          else if (barItem()->enabled()) choose(barItem());
        }
        return;
      }
      activateSelected(d - 1);
      return;
    default:
      return;
  }
}

void MenuTracker::typed(char32_t letter) {
  int d = depth();
  if (d == 0) {
    if (!bar_) return;
    int b = findByLetter(barItems(), letter, barIndex_);
    if (b < 0) return;
    barIndex_ = b;
    if (barItem()->hasSubmenu()) openBarItem(true);
    else if (barItem()->enabled()) choose(barItem());
    return;
  }
  PopupMenuWindow& w = *levels_.back();
  auto [index, unique] = matchLetter(w.items(), letter, w.selected());
  if (index < 0) return;
  hover(d - 1, index);
  if (unique) activateSelected(d - 1);
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

void MenuTracker::choose(TMenuItem* item) { finish(item); }

void MenuTracker::finish(TMenuItem* chosen) {
  chosen_ = chosen;
  done_ = true;
}

}  // namespace tavra
