// The menu loop's keyboard navigation: the arrows, Enter, Escape, Home and End, Alt and F10, and
// picking items by their accelerator or first letter.
#include "framework/menus/MenuTracker.h"

#include <string>
#include <utility>

#include "base/Text.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

char32_t upper(char32_t c) {
  std::u32string up = utf8ToCodePoints(toUpperUtf8(codePointsToUtf8(std::u32string(1, c))));
  return up.empty() ? c : up.front();
}

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

}  // namespace

int MenuTracker::findByLetter(const std::vector<TMenuItem*>& items, char32_t letter, int from) {
  return matchLetter(items, letter, from).first;
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

}  // namespace tavra
