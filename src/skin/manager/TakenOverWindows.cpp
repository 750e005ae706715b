#include "skin/manager/TakenOverWindows.h"

#include <algorithm>

#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

Window* findWindow(WindowHandle handle) { return WindowSystem::exists() ? WindowSystem::instance().find(handle) : nullptr; }

}  // namespace

void TakenOverWindows::add(TakenOverWindow entry) {
  prune();
  entries_.push_back(std::move(entry));
}

bool TakenOverWindows::contains(WindowHandle window) {
  prune();
  return std::any_of(entries_.begin(), entries_.end(), [&](const TakenOverWindow& e) { return e.window == window; });
}

void TakenOverWindows::clear() {
  // Freed outside the list, so an attachment that looks at the list while it goes sees it empty.
  std::vector<TakenOverWindow> doomed = std::move(entries_);
  entries_.clear();
  while (!doomed.empty()) doomed.pop_back();
}

const std::vector<TakenOverWindow>& TakenOverWindows::entries() {
  prune();
  return entries_;
}

bool TakenOverWindows::anyVisible() {
  prune();
  return std::any_of(entries_.begin(), entries_.end(), [](const TakenOverWindow& e) {
    Window* w = findWindow(e.window);
    return w && w->isVisible();
  });
}

std::vector<Window*> TakenOverWindows::visibleDialogs() {
  prune();
  std::vector<Window*> dialogs;
  for (const TakenOverWindow& e : entries_) {
    if (e.kind != TakenOverKind::Dialog) continue;
    if (Window* w = findWindow(e.window); w && w->isVisible()) dialogs.push_back(w);
  }
  return dialogs;
}

std::vector<TCustomForm*> TakenOverWindows::forms() {
  prune();
  std::vector<TCustomForm*> forms;
  for (const TakenOverWindow& e : entries_) {
    if (e.kind == TakenOverKind::Form && e.form) forms.push_back(e.form);
  }
  return forms;
}

void TakenOverWindows::prune() {
  std::vector<TakenOverWindow> gone;
  for (auto it = entries_.begin(); it != entries_.end();) {
    if (findWindow(it->window)) {
      ++it;
    } else {
      gone.push_back(std::move(*it));
      it = entries_.erase(it);
    }
  }
}

}  // namespace tavra
