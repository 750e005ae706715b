// The window system's core: the one instance of the process, creating and destroying windows,
// finding them by handle and under a screen point.
#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <map>
#include <memory>
#include <utility>

#include "winsys/MinimizedBars.h"

namespace tavra {

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

}  // namespace tavra
