// The window tree, messages, loops and timers, showing and moving windows.
#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <tuple>

#include "base/Text.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/MinimizedBars.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystemDetail.h"

namespace tavra {

using namespace windowsystem_detail;

namespace {

WindowSystem* gInstance = nullptr;

}  // namespace

// --- Construction ------------------------------------------------------------------------------

WindowSystem::WindowSystem(std::unique_ptr<DisplayBackend> backend) : backend_(std::move(backend)) {
  previousInstance_ = gInstance;
  gInstance = this;
}

WindowSystem::~WindowSystem() {
  minimizedBars_.reset();
  // Windows still alive belong to owners that outlive us only by mistake; detach them.
  for (auto& [handle, w] : windows_) w->parent_ = nullptr;
  gInstance = previousInstance_;
}

WindowSystem& WindowSystem::instance() {
  assert(gInstance && "no window system");
  return *gInstance;
}

bool WindowSystem::exists() { return gInstance != nullptr; }

// --- Windows -----------------------------------------------------------------------------------

std::unique_ptr<Window> WindowSystem::createWindow(const WindowParams& params) {
  WindowHandle handle = nextHandle_++;
  std::unique_ptr<Window> w(new Window(*this, handle, params));
  windows_[handle] = w.get();
  if (params.parent) {
    params.parent->children_.push_back(w.get());
  } else {
    auto pos = topLevels_.end();
    if (!(params.exStyle & WS_EX_TOPMOST)) {
      pos = std::find_if(topLevels_.begin(), topLevels_.end(), [](Window* t) { return (t->exStyle() & WS_EX_TOPMOST) != 0; });
    }
    topLevels_.insert(pos, w.get());
  }
  for (auto& [id, hook] : std::map<int, WindowHook>(hooks_)) {
    if (hook.onCreate) hook.onCreate(*w);
  }
  send(*w, WM_NCCREATE, 0, 0);
  Rect client = Rect::fromSize(0, 0, w->bounds_.width(), w->bounds_.height());
  send(*w, WM_NCCALCSIZE, 0, reinterpret_cast<LParam>(&client));
  w->clientRect_ = client;
  send(*w, WM_CREATE, 0, 0);
  send(*w, WM_SIZE, SIZE_RESTORED, makeLParam(client.width(), client.height()));
  send(*w, WM_MOVE, 0, makeLParam(w->bounds_.left + client.left, w->bounds_.top + client.top));
  if (params.style & WS_VISIBLE) windowShownChanged(*w, true, params.parent == nullptr);
  return w;
}

Window* WindowSystem::find(WindowHandle handle) const {
  if (handle == 0) return nullptr;
  auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second;
}

void WindowSystem::windowDestroyed(Window& w) {
  w.destroying_ = true;
  if (w.proc_) {
    send(w, WM_DESTROY, 0, 0);
    send(w, WM_NCDESTROY, 0, 0);
  }
  bool wasShowing = w.isShowing();
  for (Window* c : w.children_) c->parent_ = nullptr;
  w.children_.clear();
  if (w.parent_) {
    auto& sib = w.parent_->children_;
    sib.erase(std::remove(sib.begin(), sib.end(), &w), sib.end());
    if (wasShowing) invalidateUnder(*w.parent_, w.bounds_);
  } else {
    topLevels_.erase(std::remove(topLevels_.begin(), topLevels_.end(), &w), topLevels_.end());
    backend_->windowDestroyed(w);
  }
  windows_.erase(w.handle_);
  presentPending_.erase(w.handle_);
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(), [&](const Timer& t) { return t.window == w.handle_; }), timers_.end());
  if (focus_ == w.handle_) focus_ = 0;
  if (capture_ == w.handle_) {
    capture_ = 0;
    backend_->setCursorCapture(false);
  }
  if (hover_ == w.handle_) hover_ = 0;
  if (frameTracking_.window == w.handle_) frameTracking_ = {};
  if (active_ == w.handle_) {
    active_ = 0;
    for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
      if ((*it)->isShowing() && (*it)->isEnabled() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
        activate(*it);
        break;
      }
    }
    if (active_ == 0) backend_->activeWindowChanged(nullptr);
  }
  if (minimizedBars_) minimizedBars_->remove(w.handle_);
}

Window* WindowSystem::minimizedBarOf(const Window& w) const { return minimizedBars_ ? minimizedBars_->barOf(w.handle()) : nullptr; }

Window* WindowSystem::topLevelAt(Point screen, const Window* above) const {
  auto it = topLevels_.rbegin();
  if (above) {
    it = std::find(topLevels_.rbegin(), topLevels_.rend(), above);
    if (it == topLevels_.rend()) return nullptr;
    ++it;
  }
  for (; it != topLevels_.rend(); ++it) {
    Window* w = *it;
    if (!w->isShowing()) continue;
    if (!w->bounds_.contains(screen)) continue;
    if (w->region_ && !w->region_->contains(screen - w->bounds_.topLeft())) continue;
    if (w->exStyle_ & WS_EX_TRANSPARENT) continue;
    return w;
  }
  return nullptr;
}

Window* WindowSystem::windowAt(Point screen, const Window* above) const {
  Window* w = topLevelAt(screen, above);
  while (w) {
    Point local = screen - w->screenOrigin();
    if (!w->clientRect_.contains(local)) return w;
    Point client = local - w->clientRect_.topLeft();
    Window* hit = nullptr;
    for (auto it = w->children_.rbegin(); it != w->children_.rend(); ++it) {
      Window* c = *it;
      if (!c->isVisible() || c->minimized_ || !c->bounds_.contains(client)) continue;
      if (c->region_ && !c->region_->contains(client - c->bounds_.topLeft())) continue;
      if (c->exStyle_ & WS_EX_TRANSPARENT) continue;
      hit = c;
      break;
    }
    if (!hit) return w;
    w = hit;
  }
  return nullptr;
}

// --- Messages ----------------------------------------------------------------------------------

LResult WindowSystem::send(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  WindowProc proc = w.proc_;  // a copy: the procedure may replace itself while it runs
  if (!proc) return defWindowProc(w, msg, wParam, lParam);
  return proc(w, msg, wParam, lParam);
}

void WindowSystem::post(Window& w, MessageId msg, WParam wParam, LParam lParam) { post(w.handle(), msg, wParam, lParam); }

void WindowSystem::post(WindowHandle w, MessageId msg, WParam wParam, LParam lParam) { posted_.push_back({w, msg, wParam, lParam}); }

bool WindowSystem::hasPosted(WindowHandle w, MessageId msg) const {
  return std::any_of(posted_.begin(), posted_.end(), [&](const Posted& p) { return p.window == w && p.msg == msg; });
}

void WindowSystem::postQuit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

// --- Loops -------------------------------------------------------------------------------------

bool WindowSystem::dispatchPosted() {
  size_t n = posted_.size();
  bool did = false;
  for (size_t i = 0; i < n && !posted_.empty(); ++i) {
    Posted p = posted_.front();
    posted_.pop_front();
    did = true;
    if (Window* w = find(p.window)) send(*w, p.msg, p.wParam, p.lParam);
  }
  return did;
}

bool WindowSystem::pumpOnce() {
  bool did = dispatchPosted();
  while (auto ev = backend_->pollEvent()) {
    dispatchInput(*ev);
    did = true;
  }
  // Looking through every window costs; it is done only when something was invalidated since
  // the last look that found nothing.
  if (maybeInvalid_) {
    bool anyInvalid = false;
    for (auto& [h, w] : windows_) {
      if ((!w->update_.isEmpty() || w->framePending_) && w->isShowing()) {
        anyInvalid = true;
        break;
      }
    }
    if (anyInvalid) {
      paintPending();
      did = true;
    } else {
      maybeInvalid_ = false;
    }
  }
  if (fireDueTimers()) did = true;
  presentPending();
  return did;
}

void WindowSystem::processMessages() {
  // A handler that keeps invalidating or posting could keep this busy forever; bound it.
  for (int i = 0; i < 10000 && pumpOnce(); ++i) {
  }
}

bool WindowSystem::runLoop(const std::function<bool()>& done) {
  ++loopDepth_;
  bool progressed = true;
  while (!quit_ && !done()) {
    if (pumpOnce()) continue;
    if (idleHandler_) idleHandler_();
    if (quit_ || done()) break;
    if (!posted_.empty()) continue;
    if (!backend_->wait(nextTimerDeadline())) {
      progressed = false;
      break;
    }
  }
  --loopDepth_;
  return progressed;
}

int WindowSystem::run() {
  runLoop([] { return false; });
  presentPending();
  return exitCode_;
}

// --- Timers ------------------------------------------------------------------------------------

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

// --- Showing, moving and painting ----------------------------------------------------------------

void WindowSystem::windowShownChanged(Window& w, bool visible, bool activateIt) {
  if (visible == w.isVisible()) {
    if (visible && w.isTopLevel()) {
      w.bringToFront();
      if (activateIt && !(w.exStyle() & WS_EX_NOACTIVATE)) activate(&w);
    }
    return;
  }
  send(w, WM_SHOWWINDOW, visible ? 1 : 0, 0);
  if (visible) w.style_ |= WS_VISIBLE;
  else w.style_ &= ~WS_VISIBLE;
  Rect whole = Rect::fromSize(0, 0, w.bounds_.width(), w.bounds_.height());
  if (w.isTopLevel()) {
    if (visible) {
      if (!w.backing_ || w.backing_->size() != w.bounds_.size()) w.backing_ = std::make_unique<Bitmap>(w.bounds_.width(), w.bounds_.height());
      w.minimized_ = false;
      backend_->windowShown(w);
      w.bringToFront();
      // Nothing of a hidden window was on screen: it and all its children paint anew.
      w.invalidateTree();
      if (activateIt && !(w.exStyle() & WS_EX_NOACTIVATE) && w.isEnabled()) activate(&w);
    } else {
      backend_->windowHidden(w);
      if (minimizedBars_) minimizedBars_->remove(w.handle());
      if (Window* c = capture(); c && (&c->topLevel() == &w)) releaseCapture();
      if (frameTracking_.window == w.handle()) frameTracking_ = {};
      if (active_ == w.handle()) {
        activate(nullptr);
        for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
          if (*it != &w && (*it)->isShowing() && (*it)->isEnabled() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
            activate(*it);
            break;
          }
        }
      }
    }
    return;
  }
  if (visible) {
    w.invalidateFrame();
    w.invalidate();
  } else {
    invalidateUnder(*w.parent_, w.bounds_);
    if (Window* f = focus(); f && (f == &w || w.isAncestorOf(*f))) setFocus(&w.topLevel());
    if (Window* c = capture(); c && (c == &w || w.isAncestorOf(*c))) releaseCapture();
  }
  (void)whole;
}

void WindowSystem::invalidateUnder(Window& parent, const Rect& rect) {
  parent.invalidateRect(rect);
  // Siblings overlapping the area were clipped by what was there: they repaint too.
  for (Window* s : parent.children_) {
    if (!s->isVisible() || !s->bounds_.intersects(rect)) continue;
    Rect part = rect.intersected(s->bounds_).offsetBy(-s->bounds_.left, -s->bounds_.top);
    s->framePending_ = s->framePending_ || !Region(part).subtracted(Region(s->clientRect_)).isEmpty();
    maybeInvalid_ = maybeInvalid_ || s->framePending_;
    s->invalidateRect(part.offsetBy(-s->clientRect_.left, -s->clientRect_.top));
  }
}

void WindowSystem::windowBoundsChanged(Window& w, const Rect& oldBounds) {
  bool sized = oldBounds.size() != w.bounds_.size();
  if (w.isTopLevel()) {
    if (sized && w.backing_) w.backing_ = std::make_unique<Bitmap>(w.bounds_.width(), w.bounds_.height());
    if (w.isVisible()) backend_->windowMovedOrResized(w);
    if (sized) {
      w.invalidateFrame();
      w.invalidate();
    }
    return;
  }
  if (!w.isVisible()) return;
  invalidateUnder(*w.parent_, oldBounds);
  w.invalidateFrame();
  w.invalidate();
}

}  // namespace tavra

// --- The desktop's view of the program --------------------------------------------------------

namespace tavra {

void WindowSystem::setDesktopIdentity(DesktopIdentity identity) {
  identity_ = std::move(identity);
  backend_->desktopRolesChanged(*this);
}

void WindowSystem::setTaskbarWindows(const std::vector<Window*>& windows) {
  taskbarWindows_.clear();
  for (Window* w : windows) {
    if (w) taskbarWindows_.push_back(w->topLevel().handle());
  }
  backend_->desktopRolesChanged(*this);
}

void WindowSystem::setSplashWindow(Window* w) {
  splashWindow_ = w ? w->topLevel().handle() : 0;
  backend_->desktopRolesChanged(*this);
}

Window* WindowSystem::taskbarEntryWindow() const {
  for (WindowHandle handle : taskbarWindows_) {
    Window* w = find(handle);
    if (w && w->isVisible()) return w;
  }
  return nullptr;
}

}  // namespace tavra
