#include "skin/menus/MenuBackgroundCache.h"

#include <algorithm>

#include "winsys/WindowSystem.h"

namespace tavra {

MenuBackgroundCache& MenuBackgroundCache::instance() {
  static MenuBackgroundCache cache;
  return cache;
}

void MenuBackgroundCache::dropClosed() {
  const bool closed = std::any_of(entries_.begin(), entries_.end(), [](const MenuBackground& e) {
    return e.window != 0 && (!WindowSystem::exists() || !WindowSystem::instance().find(e.window));
  });
  if (closed) entries_.clear();
}

MenuBackground* MenuBackgroundCache::find(const TMenuItem* firstItem) {
  dropClosed();
  for (MenuBackground& e : entries_) {
    if (e.firstItem == firstItem) return &e;
  }
  return nullptr;
}

void MenuBackgroundCache::remove(const TMenuItem* firstItem) {
  std::erase_if(entries_, [&](const MenuBackground& e) { return e.firstItem == firstItem; });
}

MenuBackground& MenuBackgroundCache::add(MenuBackground entry) {
  entries_.push_back(std::move(entry));
  return entries_.back();
}

}  // namespace tavra
