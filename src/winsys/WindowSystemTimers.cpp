// The window system's timers: setting, killing and firing WM_TIMER in due order.
#include "winsys/WindowSystem.h"

#include <algorithm>

#include "winsys/SystemMetrics.h"

namespace tavra {

void WindowSystem::setTimer(Window& w, std::uintptr_t id, int intervalMs) {
  TimeMs interval = std::max(intervalMs, systemMetric(Metric::TimerResolution));
  TimeMs due = now() + interval;
  for (Timer& t : timers_) {
    if (t.window == w.handle() && t.id == id) {
      t.interval = interval;
      t.due = due;
      t.order = timerOrder_++;
      return;
    }
  }
  timers_.push_back({w.handle(), id, interval, due, timerOrder_++});
}

void WindowSystem::killTimer(Window& w, std::uintptr_t id) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == w.handle() && t.id == id; }),
                timers_.end());
}

bool WindowSystem::hasTimer(const Window& w, std::uintptr_t id) const {
  return std::any_of(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == w.handle() && t.id == id; });
}

std::optional<TimeMs> WindowSystem::nextTimerDeadline() const {
  std::optional<TimeMs> next;
  for (const Timer& t : timers_) {
    if (!next || t.due < *next) next = t.due;
  }
  return next;
}

bool WindowSystem::fireDueTimers() {
  TimeMs t = now();
  std::vector<Timer> due;
  for (const Timer& timer : timers_) {
    if (timer.due <= t) due.push_back(timer);
  }
  if (due.empty()) return false;
  std::sort(due.begin(), due.end(), [](const Timer& a, const Timer& b) { return a.due != b.due ? a.due < b.due : a.order < b.order; });
  for (const Timer& d : due) {
    // The timer may have been killed or restarted by an earlier handler.
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& x) { return x.window == d.window && x.id == d.id; });
    if (it == timers_.end() || it->due > t || it->order != d.order) continue;
    it->due = t + it->interval;
    if (Window* w = find(d.window)) send(*w, WM_TIMER, d.id, 0);
  }
  return true;
}

}  // namespace tavra
