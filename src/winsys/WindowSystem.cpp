#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <tuple>

#include "base/Text.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/SystemMetrics.h"

namespace tavra {
namespace {

WindowSystem* gInstance = nullptr;

bool isButtonHit(LResult hit) { return hit == HTCLOSE || hit == HTMINBUTTON || hit == HTMAXBUTTON; }
bool isSizingHit(LResult hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

// The default pointer for a hit-test code: sizing arrows on the borders, the class cursor over
// the client area, the arrow elsewhere.
CursorShape cursorForHit(const Window& w, LResult hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: return CursorShape::SizeWE;
    case HTTOP:
    case HTBOTTOM: return CursorShape::SizeNS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return CursorShape::SizeNWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return CursorShape::SizeNESW;
    case HTCLIENT: return w.classCursor();
    default: return CursorShape::Arrow;
  }
}

unsigned buttonBit(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return MK_LBUTTON;
    case MouseButton::Right: return MK_RBUTTON;
    case MouseButton::Middle: return MK_MBUTTON;
  }
  return 0;
}

MessageId clientMouseMessage(InputEvent::Kind kind, MouseButton b, bool doubleClick) {
  if (kind == InputEvent::Kind::MouseMove) return WM_MOUSEMOVE;
  bool down = kind == InputEvent::Kind::MouseDown;
  switch (b) {
    case MouseButton::Left: return down ? (doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
    case MouseButton::Right: return down ? (doubleClick ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
    case MouseButton::Middle: return down ? (doubleClick ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
  }
  return WM_MOUSEMOVE;
}

MessageId frameMouseMessage(InputEvent::Kind kind, MouseButton b, bool doubleClick) {
  if (kind == InputEvent::Kind::MouseMove) return WM_NCMOUSEMOVE;
  bool down = kind == InputEvent::Kind::MouseDown;
  if (b == MouseButton::Left) return down ? (doubleClick ? WM_NCLBUTTONDBLCLK : WM_NCLBUTTONDOWN) : WM_NCLBUTTONUP;
  return down ? WM_NCRBUTTONDOWN : WM_NCRBUTTONUP;
}

}  // namespace

// --- Device contexts -------------------------------------------------------------------------

DeviceContext::DeviceContext(WindowSystem& system, Window& window, bool wholeWindow, const Region* limit)
    : system_(system), window_(window) {
  deviceVisible_ = system.visibleRegion(window, wholeWindow, (window.style() & WS_CLIPCHILDREN) != 0);
  if (limit) deviceVisible_.intersect(*limit);
  Point origin = window.offsetInTopLevel();
  if (!wholeWindow) origin = origin + window.clientRect().topLeft();
  canvas_ = std::make_unique<Canvas>(window.backing());
  canvas_->setOrigin(origin);
  canvas_->setClipRegion(deviceVisible_.translated(-origin.x, -origin.y));
  canvas_->setFont(systemFont());
}

DeviceContext::~DeviceContext() {
  canvas_.reset();
  if (!deviceVisible_.isEmpty() && system_.find(window_.handle())) system_.markPresent(window_.topLevel(), deviceVisible_);
}

// --- Construction ------------------------------------------------------------------------------

WindowSystem::WindowSystem(std::unique_ptr<DisplayBackend> backend) : backend_(std::move(backend)) {
  previousInstance_ = gInstance;
  gInstance = this;
}

WindowSystem::~WindowSystem() {
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
  }
}

Window* WindowSystem::topLevelAt(Point screen) const {
  for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
    Window* w = *it;
    if (!w->isShowing()) continue;
    if (!w->bounds_.contains(screen)) continue;
    if (w->region_ && !w->region_->contains(screen - w->bounds_.topLeft())) continue;
    if (w->exStyle_ & WS_EX_TRANSPARENT) continue;
    return w;
  }
  return nullptr;
}

Window* WindowSystem::windowAt(Point screen) const {
  Window* w = topLevelAt(screen);
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

// --- Focus and activation ----------------------------------------------------------------------

void WindowSystem::setFocus(Window* w) {
  WindowHandle next = w ? w->handle() : 0;
  if (next == focus_) return;
  if (w && !w->isEnabledWithAncestors()) return;
  if (w && active_ != w->topLevel().handle()) {
    activate(&w->topLevel());
    if (focus_ == next) return;
  }
  Window* old = focus();
  focus_ = next;
  if (old) send(*old, WM_KILLFOCUS, next, 0);
  if (w && focus_ == next) send(*w, WM_SETFOCUS, old ? old->handle() : 0, 0);
}

void WindowSystem::activate(Window* topLevel) {
  WindowHandle next = topLevel ? topLevel->handle() : 0;
  if (next == active_) return;
  if (topLevel) {
    for (auto& [id, hook] : std::map<int, WindowHook>(hooks_)) {
      if (hook.onActivate) hook.onActivate(*topLevel);
    }
  }
  Window* old = activeWindow();
  if (Window* f = focus(); f && old && (&f->topLevel() == old)) {
    focus_ = 0;
    send(*f, WM_KILLFOCUS, 0, 0);
  }
  active_ = next;
  if (old) {
    send(*old, WM_NCACTIVATE, 0, 0);
    send(*old, WM_ACTIVATE, WA_INACTIVE, static_cast<LParam>(next));
  }
  if (topLevel) {
    send(*topLevel, WM_NCACTIVATE, 1, 0);
    send(*topLevel, WM_ACTIVATE, WA_ACTIVE, static_cast<LParam>(old ? old->handle() : 0));
  }
}

// --- Mouse -------------------------------------------------------------------------------------

void WindowSystem::setCapture(Window* w) {
  WindowHandle next = w ? w->handle() : 0;
  if (next == capture_) {
    implicitCapture_ = false;
    return;
  }
  Window* old = capture();
  capture_ = next;
  implicitCapture_ = false;
  backend_->setCursorCapture(next != 0);
  if (old) send(*old, WM_CAPTURECHANGED, 0, static_cast<LParam>(next));
}

void WindowSystem::releaseCapture() { setCapture(nullptr); }

bool WindowSystem::isButtonDown(MouseButton b) const { return (buttons_ & buttonBit(b)) != 0; }

void WindowSystem::addInputObserver(std::function<void(const InputEvent&)> observer) { inputObservers_.push_back(std::move(observer)); }

int WindowSystem::addHook(WindowHook hook) {
  int id = nextHookId_++;
  hooks_[id] = std::move(hook);
  return id;
}

void WindowSystem::removeHook(int id) { hooks_.erase(id); }

int WindowSystem::addInputFilter(std::function<bool(const InputEvent&)> filter) {
  int id = nextFilterId_++;
  inputFilters_[id] = std::move(filter);
  return id;
}

void WindowSystem::removeInputFilter(int id) { inputFilters_.erase(id); }

void WindowSystem::dispatchInput(const InputEvent& ev) {
  using K = InputEvent::Kind;
  if (ev.kind == K::KeyDown) menuKeyAlone_ = ev.key == VK_MENU;
  else if (ev.kind == K::MouseDown) menuKeyAlone_ = false;
  bool taken = false;
  for (auto& [id, filter] : std::map(inputFilters_)) {
    if (inputFilters_.count(id) && filter(ev)) {
      taken = true;
      break;
    }
  }
  if (taken) {
    for (auto& observer : std::vector(inputObservers_)) observer(ev);
    return;
  }
  switch (ev.kind) {
    case K::MouseMove:
    case K::MouseDown:
    case K::MouseUp:
    case K::MouseWheel:
      dispatchMouse(ev);
      break;
    case K::MouseLeftDesktop:
      hover_ = 0;
      cursor_ = {-32000, -32000};
      break;
    case K::KeyDown:
    case K::KeyUp:
    case K::Text:
      dispatchKey(ev);
      break;
    case K::CloseRequest:
      if (Window* w = find(ev.window)) send(*w, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case K::MinimizeRequest:
      if (Window* w = find(ev.window)) send(*w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
      break;
    case K::RestoreRequest:
      if (Window* w = find(ev.window)) send(*w, WM_SYSCOMMAND, SC_RESTORE, 0);
      break;
    case K::Expose:
      if (Window* w = find(ev.window)) markPresent(*w, Region(Rect::fromSize(0, 0, w->bounds_.width(), w->bounds_.height())));
      break;
    case K::Quit:
      postQuit(0);
      break;
  }
  for (auto& observer : std::vector(inputObservers_)) observer(ev);
}

void WindowSystem::dispatchMouse(const InputEvent& ev) {
  using K = InputEvent::Kind;
  cursor_ = ev.screen;
  modifiers_ = ev.modifiers;
  if (ev.kind == K::MouseDown) buttons_ |= buttonBit(ev.button);
  if (ev.kind == K::MouseUp) buttons_ &= ~buttonBit(ev.button);
  Window* under = windowAt(ev.screen);
  hover_ = under ? under->handle() : 0;
  if (frameTracking_.window && trackFrame(ev)) return;

  Window* target = capture();
  LResult hit = HTCLIENT;
  if (!target) {
    std::tie(target, hit) = mouseTarget(ev.screen);
    // The shape is settled before the window hears of the move.
    if (ev.kind == K::MouseMove) {
      WindowHandle h = target ? target->handle() : 0;
      askCursor(target, hit);
      if (h && !find(h)) return;
    }
    if (!target) return;
  }

  WParam keys = buttons_;
  if (modifiers_ & kModShift) keys |= MK_SHIFT;
  if (modifiers_ & kModControl) keys |= MK_CONTROL;

  if (ev.kind == K::MouseWheel) {
    Window* to = focus() ? focus() : target;
    send(*to, WM_MOUSEWHEEL, makeWParam(static_cast<unsigned>(keys), static_cast<unsigned>(ev.wheelDelta & 0xFFFF)),
         makeLParam(ev.screen.x, ev.screen.y));
    return;
  }

  bool doubleClick = false;
  if (ev.kind == K::MouseDown) {
    Window& top = target->topLevel();
    if (!capture() && active_ != top.handle() && !(top.exStyle() & WS_EX_NOACTIVATE)) {
      LResult ma = send(*target, WM_MOUSEACTIVATE, top.handle(), makeLParam(static_cast<int>(hit), 0));
      if (ma != MA_NOACTIVATE) {
        top.bringToFront();
        activate(&top);
      }
      if (!find(target->handle())) return;
    }
    TimeMs t = now();
    bool sameSpot = std::abs(ev.screen.x - lastClick_.screen.x) <= systemMetric(Metric::DoubleClickWidth) / 2 &&
                    std::abs(ev.screen.y - lastClick_.screen.y) <= systemMetric(Metric::DoubleClickHeight) / 2;
    if ((target->classStyle() & CS_DBLCLKS) && lastClick_.window == target->handle() && lastClick_.button == ev.button &&
        t - lastClick_.time <= systemMetric(Metric::DoubleClickTime) && sameSpot) {
      doubleClick = true;
      lastClick_ = {};
    } else {
      lastClick_ = {target->handle(), ev.button, t, ev.screen};
    }
  }

  if (hit != HTCLIENT) {
    send(*target, frameMouseMessage(ev.kind, ev.button, doubleClick), static_cast<WParam>(hit), makeLParam(ev.screen.x, ev.screen.y));
    return;
  }
  Point p = target->screenToClient(ev.screen);
  if (ev.kind == K::MouseDown && !capture()) {
    setCapture(target);
    implicitCapture_ = true;
  }
  WindowHandle targetHandle = target->handle();
  send(*target, clientMouseMessage(ev.kind, ev.button, doubleClick), keys, makeLParam(p.x, p.y));
  if (ev.kind == K::MouseUp && buttons_ == 0 && implicitCapture_ && capture_ == targetHandle) releaseCapture();
}

std::pair<Window*, LResult> WindowSystem::mouseTarget(Point screen) {
  Window* target = windowAt(screen);
  if (!target || !target->isEnabledWithAncestors()) return {nullptr, HTNOWHERE};
  LResult hit = send(*target, WM_NCHITTEST, 0, makeLParam(screen.x, screen.y));
  while (hit == HTTRANSPARENT && target->parent_) {
    target = target->parent_;
    hit = send(*target, WM_NCHITTEST, 0, makeLParam(screen.x, screen.y));
  }
  if (hit == HTNOWHERE || hit == HTERROR || hit == HTTRANSPARENT) return {nullptr, hit};
  return {target, hit};
}

void WindowSystem::askCursor(Window* target, LResult hit) {
  if (!target) {
    setCursor(CursorShape::Arrow);
    return;
  }
  send(*target, WM_SETCURSOR, target->handle(), makeLParam(static_cast<int>(hit), WM_MOUSEMOVE));
}

void WindowSystem::setCursor(CursorShape shape) {
  cursorShape_ = shape;
  backend_->setCursorShape(shape);
}

void WindowSystem::updateCursor() {
  // A captured mouse keeps its shape; with nothing under the pointer there is nobody to ask.
  if (frameTracking_.window || capture_ || !hover_) return;
  auto [target, hit] = mouseTarget(cursor_);
  askCursor(target, hit);
}

void WindowSystem::dispatchKey(const InputEvent& ev) {
  using K = InputEvent::Kind;
  modifiers_ = ev.modifiers;
  Window* target = focus() ? focus() : activeWindow();
  if (!target || !target->topLevel().isEnabled()) return;
  bool alt = (modifiers_ & kModAlt) != 0;
  if (ev.kind == K::Text) {
    for (char32_t cp : utf8ToCodePoints(ev.text)) {
      Window* to = focus() ? focus() : activeWindow();
      if (!to) return;
      send(*to, alt ? WM_SYSCHAR : WM_CHAR, static_cast<WParam>(cp), 1);
    }
    return;
  }
  bool down = ev.kind == K::KeyDown;
  bool sysKey = alt || ev.key == VK_F10 || ev.key == VK_MENU;
  MessageId msg = sysKey ? (down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (down ? WM_KEYDOWN : WM_KEYUP);
  LParam lp = down ? 1 : static_cast<LParam>(0xC0000001u);
  WindowHandle h = target->handle();
  send(*target, msg, ev.key, lp);
  if (!down || alt) return;
  // Characters that key presses make without a text event: control codes and Ctrl+letter.
  char32_t code = 0;
  if (ev.key == VK_BACK || ev.key == VK_TAB || ev.key == VK_RETURN || ev.key == VK_ESCAPE) code = ev.key;
  else if ((modifiers_ & kModControl) && ev.key >= VK_A && ev.key <= VK_Z) code = ev.key - VK_A + 1;
  Window* to = focus() ? focus() : find(h);
  if (code && to) send(*to, WM_CHAR, code, 1);
}

// --- Frames: moving, sizing and the caption buttons ---------------------------------------------

void WindowSystem::startFrameTracking(Window& w, LResult hit, Point screen) {
  frameTracking_ = {w.handle(), hit, screen, w.bounds(), true};
  backend_->setCursorCapture(true);
  if (isButtonHit(hit)) w.invalidateFrame();
  else send(w, WM_ENTERSIZEMOVE, 0, 0);
}

bool WindowSystem::trackFrame(const InputEvent& ev) {
  using K = InputEvent::Kind;
  Window* w = find(frameTracking_.window);
  if (!w) {
    frameTracking_ = {};
    return false;
  }
  FrameTracking& t = frameTracking_;
  Point d = ev.screen - t.startScreen;
  if (ev.kind == K::MouseMove) {
    if (t.hit == HTCAPTION) {
      w->setBounds(t.startBounds.offsetBy(d));
    } else if (isSizingHit(t.hit)) {
      Rect r = t.startBounds;
      const int minW = 112, minH = 27;
      if (t.hit == HTLEFT || t.hit == HTTOPLEFT || t.hit == HTBOTTOMLEFT) r.left = std::min(r.left + d.x, r.right - minW);
      if (t.hit == HTRIGHT || t.hit == HTTOPRIGHT || t.hit == HTBOTTOMRIGHT) r.right = std::max(r.right + d.x, r.left + minW);
      if (t.hit == HTTOP || t.hit == HTTOPLEFT || t.hit == HTTOPRIGHT) r.top = std::min(r.top + d.y, r.bottom - minH);
      if (t.hit == HTBOTTOM || t.hit == HTBOTTOMLEFT || t.hit == HTBOTTOMRIGHT) r.bottom = std::max(r.bottom + d.y, r.top + minH);
      w->setBounds(r);
    } else if (isButtonHit(t.hit)) {
      bool inside = send(*w, WM_NCHITTEST, 0, makeLParam(ev.screen.x, ev.screen.y)) == t.hit;
      if (inside != t.inside) {
        t.inside = inside;
        w->invalidateFrame();
      }
    }
    return true;
  }
  if (ev.kind == K::MouseUp && ev.button == MouseButton::Left) {
    FrameTracking done = t;
    frameTracking_ = {};
    backend_->setCursorCapture(false);
    if (isButtonHit(done.hit)) {
      w->invalidateFrame();
      if (done.inside) {
        WParam cmd = done.hit == HTCLOSE ? SC_CLOSE : done.hit == HTMINBUTTON ? SC_MINIMIZE : SC_MAXIMIZE;
        send(*w, WM_SYSCOMMAND, cmd, makeLParam(ev.screen.x, ev.screen.y));
      }
    } else {
      send(*w, WM_EXITSIZEMOVE, 0, 0);
    }
    return true;
  }
  return true;
}

LResult WindowSystem::pressedFrameButton(const Window& w) const {
  if (frameTracking_.window == w.handle() && frameTracking_.inside && isButtonHit(frameTracking_.hit)) return frameTracking_.hit;
  return HTNOWHERE;
}

LResult WindowSystem::frameHitTest(Window& w, Point screen) {
  Point p = screen - w.screenOrigin();
  Rect whole = Rect::fromSize(0, 0, w.bounds_.width(), w.bounds_.height());
  if (!whole.contains(p)) return HTNOWHERE;
  if (w.region_ && !w.region_->contains(p)) return HTNOWHERE;
  if (w.clientRect_.contains(p)) return HTCLIENT;
  return ClassicFrame::hitTest(w, p);
}

void WindowSystem::paintClassicFrame(Window& w, const Region* region) {
  auto dc = getWindowDC(w);
  Canvas& c = dc->canvas();
  if (region) c.setClipRegion(c.clipRegion().intersected(*region));
  c.excludeClip(w.clientRect_);
  ClassicFrame::paint(w, c, active_ == w.handle() || (w.parent_ != nullptr), pressedFrameButton(w));
}

// --- Default handling ----------------------------------------------------------------------------

LResult WindowSystem::defWindowProc(Window& w, MessageId msg, WParam wParam, LParam lParam) {
  switch (msg) {
    case WM_NCCALCSIZE: {
      auto* r = reinterpret_cast<Rect*>(lParam);
      *r = ClassicFrame::clientRect(w, *r);
      return 0;
    }
    case WM_NCHITTEST:
      return frameHitTest(w, {xFromLParam(lParam), yFromLParam(lParam)});
    case WM_NCPAINT:
      paintClassicFrame(w, wParam > 1 ? reinterpret_cast<const Region*>(wParam) : nullptr);
      return 0;
    case WM_NCACTIVATE:
      w.invalidateFrame();
      return 1;
    case WM_NCLBUTTONDOWN: {
      LResult hit = static_cast<LResult>(wParam);
      Point screen{xFromLParam(lParam), yFromLParam(lParam)};
      if (hit == HTCAPTION || isButtonHit(hit) || (isSizingHit(hit) && (w.style() & WS_THICKFRAME))) startFrameTracking(w, hit, screen);
      return 0;
    }
    case WM_SYSCOMMAND:
      switch (wParam & 0xFFF0) {
        case SC_CLOSE:
          send(w, WM_CLOSE, 0, 0);
          return 0;
        case SC_MINIMIZE:
          if (!w.minimized_ && w.isTopLevel()) {
            w.minimized_ = true;
            backend_->windowHidden(w);
            if (active_ == w.handle()) {
              activate(nullptr);
              for (auto it = topLevels_.rbegin(); it != topLevels_.rend(); ++it) {
                if (*it != &w && (*it)->isShowing() && !((*it)->exStyle() & WS_EX_NOACTIVATE)) {
                  activate(*it);
                  break;
                }
              }
            }
            send(w, WM_SIZE, SIZE_MINIMIZED, 0);
          }
          return 0;
        case SC_RESTORE:
          if (w.minimized_) {
            w.minimized_ = false;
            if (w.isVisible()) {
              backend_->windowShown(w);
              w.invalidateFrame();
              w.invalidate();
              activate(&w);
            }
            send(w, WM_SIZE, SIZE_RESTORED, makeLParam(w.clientRect_.width(), w.clientRect_.height()));
          }
          return 0;
      }
      return 0;
    case WM_CLOSE:
      w.hide();
      return 0;
    case WM_ERASEBKGND: {
      auto* canvas = reinterpret_cast<Canvas*>(wParam);
      if (canvas) canvas->fillRect(Rect::fromSize(0, 0, w.clientRect_.width(), w.clientRect_.height()), w.background_);
      return 1;
    }
    case WM_PAINT: {
      PaintScope scope = beginPaint(w);
      return 0;
    }
    case WM_SETTEXT:
      w.text_ = *reinterpret_cast<const std::string*>(lParam);
      w.invalidateFrame();
      return 1;
    case WM_SYSKEYDOWN:
      // F10 enters the menu bar; Alt+F4 closes the top-level window, frame or none.
      if (wParam == VK_F10) send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, 0);
      else if (wParam == VK_F4 && (modifiers_ & kModAlt)) send(w.topLevel(), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSKEYUP:
      // Alt pressed and released on its own enters the menu bar.
      if (wParam == VK_MENU && menuKeyAlone_) {
        menuKeyAlone_ = false;
        send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, 0);
      }
      return 0;
    case WM_SYSCHAR:
      // Alt+character opens the menu whose accelerator it is.
      send(w.topLevel(), WM_SYSCOMMAND, SC_KEYMENU, static_cast<LParam>(wParam));
      return 0;
    case WM_SETCURSOR:
      // The parents have the first say; asked on a child's behalf, the default claims nothing.
      if (w.parent_ && send(*w.parent_, WM_SETCURSOR, wParam, lParam) != 0) return 1;
      if (wParam != w.handle()) return 0;
      setCursor(cursorForHit(w, xFromLParam(lParam)));
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_ACTIVATE;
    case WM_ACTIVATE:
      if (loWord(wParam) != WA_INACTIVE && !w.minimized_) {
        Window* f = focus();
        if (!f || &f->topLevel() != &w) setFocus(&w);
      }
      return 0;
    case WM_PRINT: {
      auto* canvas = reinterpret_cast<Canvas*>(wParam);
      if (!canvas) return 0;
      if ((lParam & PRF_CHECKVISIBLE) && !w.isVisible()) return 0;
      if (lParam & PRF_NONCLIENT) {
        Canvas::StateSaver saver(*canvas);
        canvas->excludeClip(w.clientRect_);
        ClassicFrame::paint(w, *canvas, active_ == w.handle() || w.parent_ != nullptr, HTNOWHERE);
      }
      Canvas::StateSaver saver(*canvas);
      canvas->translate(w.clientRect_.left, w.clientRect_.top);
      canvas->intersectClip(Rect::fromSize(0, 0, w.clientRect_.width(), w.clientRect_.height()));
      if (lParam & PRF_ERASEBKGND) send(w, WM_ERASEBKGND, wParam, 0);
      if (lParam & PRF_CLIENT) send(w, WM_PRINTCLIENT, wParam, lParam);
      if (lParam & PRF_CHILDREN) {
        for (Window* c : std::vector(w.children_)) {
          if (!c->isVisible()) continue;
          Canvas::StateSaver childSaver(*canvas);
          canvas->translate(c->bounds_.left, c->bounds_.top);
          canvas->intersectClip(Rect::fromSize(0, 0, c->bounds_.width(), c->bounds_.height()));
          send(*c, WM_PRINT, wParam, lParam);
        }
      }
      return 0;
    }
    default:
      return 0;
  }
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

std::unique_ptr<DeviceContext> WindowSystem::getDC(Window& w) {
  return std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, false, nullptr));
}

std::unique_ptr<DeviceContext> WindowSystem::getWindowDC(Window& w) {
  return std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, true, nullptr));
}

PaintScope WindowSystem::beginPaint(Window& w) {
  Region update = w.update_.intersected(w.clientRect_);
  bool erase = w.erasePending_;
  w.update_.clear();
  w.erasePending_ = false;
  Point off = w.offsetInTopLevel();
  Region device = update.translated(off.x, off.y);
  PaintScope scope;
  scope.dc = std::unique_ptr<DeviceContext>(new DeviceContext(*this, w, false, &device));
  scope.paintRect = update.bounds().offsetBy(-w.clientRect_.left, -w.clientRect_.top);
  scope.eraseFailed = w.eraseFailed_;
  w.eraseFailed_ = false;
  if (erase && !update.isEmpty()) scope.eraseFailed = send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(&scope.dc->canvas()), 0) == 0;
  return scope;
}

void WindowSystem::paintTree(Window& w) {
  if (!w.isShowing()) return;
  WindowHandle h = w.handle();
  if (w.framePending_) {
    w.framePending_ = false;
    if (w.clientRect_ != Rect::fromSize(0, 0, w.bounds_.width(), w.bounds_.height())) send(w, WM_NCPAINT, 1, 0);
    if (!find(h)) return;
  }
  if (!w.update_.isEmpty()) {
    if (w.update_.intersected(w.clientRect_).isEmpty()) {
      w.validate();
    } else {
      // The background is erased before the paint, over the update region only.
      if (w.erasePending_) {
        w.erasePending_ = false;
        Point off = w.offsetInTopLevel();
        Region device = w.update_.intersected(w.clientRect_).translated(off.x, off.y);
        DeviceContext dc(*this, w, false, &device);
        if (send(w, WM_ERASEBKGND, reinterpret_cast<WParam>(&dc.canvas()), 0) == 0) w.eraseFailed_ = true;
        if (!find(h)) return;
      }
      send(w, WM_PAINT, 0, 0);
      if (!find(h)) return;
      // A handler that did not begin painting leaves nothing invalid behind.
      if (!w.update_.isEmpty()) {
        PaintScope scope = beginPaint(w);
      }
    }
  }
  for (Window* c : std::vector(w.children_)) {
    if (find(c->handle())) paintTree(*c);
  }
}

void WindowSystem::paintPending() {
  for (Window* top : std::vector(topLevels_)) {
    if (find(top->handle()) && top->isShowing() && top->redraw_) paintTree(*top);
  }
}

void WindowSystem::paintNow(Window& w) {
  Window& top = w.topLevel();
  if (top.isShowing()) paintTree(w.isShowing() ? w : top);
  presentPending();
}

Region WindowSystem::visibleRegion(const Window& w, bool wholeWindow, bool clipChildren) const {
  if (!w.isShowing()) return {};
  Point off = w.offsetInTopLevel();
  Rect r = wholeWindow ? Rect::fromSize(off.x, off.y, w.bounds_.width(), w.bounds_.height()) : w.clientRect_.offsetBy(off);
  Region reg(r);
  if (w.region_) reg.intersect(w.region_->translated(off.x, off.y));
  const Window* child = &w;
  for (const Window* a = w.parent_; a; child = a, a = a->parent_) {
    Point aoff = a->offsetInTopLevel();
    reg.intersect(a->clientRect_.offsetBy(aoff));
    if (a->region_) reg.intersect(a->region_->translated(aoff.x, aoff.y));
    if (child->style_ & WS_CLIPSIBLINGS) {
      auto it = std::find(a->children_.begin(), a->children_.end(), child);
      for (++it; it < a->children_.end(); ++it) {
        const Window* s = *it;
        if (!s->isVisible()) continue;
        Point soff = aoff + a->clientRect_.topLeft() + s->bounds_.topLeft();
        Region sr(Rect::fromSize(soff.x, soff.y, s->bounds_.width(), s->bounds_.height()));
        if (s->region_) sr.intersect(s->region_->translated(soff.x, soff.y));
        reg.subtract(sr);
      }
    }
  }
  if (clipChildren) {
    for (const Window* c : w.children_) {
      if (!c->isVisible()) continue;
      Point coff = off + w.clientRect_.topLeft() + c->bounds_.topLeft();
      Region cr(Rect::fromSize(coff.x, coff.y, c->bounds_.width(), c->bounds_.height()));
      if (c->region_) cr.intersect(c->region_->translated(coff.x, coff.y));
      reg.subtract(cr);
    }
  }
  return reg;
}

void WindowSystem::markPresent(Window& topLevel, const Region& region) { presentPending_[topLevel.handle()].unite(region); }

void WindowSystem::presentPending() {
  if (presentPending_.empty()) return;
  auto pending = std::move(presentPending_);
  presentPending_.clear();
  for (auto& [handle, region] : pending) {
    Window* w = find(handle);
    if (!w || !w->isShowing() || region.isEmpty()) continue;
    backend_->present(*w, w->backing(), region);
  }
}

Bitmap WindowSystem::captureScreen(const Rect& screenRect) const {
  Bitmap out(screenRect.width(), screenRect.height());
  out.fill(pixelFromColor(systemColorValue(static_cast<int>(SysColor::Desktop))));
  for (Window* w : topLevels_) {
    if (!w->isShowing() || !w->backing_) continue;
    const Bitmap& src = *w->backing_;
    Rect dst = w->bounds_.intersected(screenRect);
    if (dst.isEmpty()) continue;
    Region visible(dst);
    if (w->region_) visible.intersect(w->region_->translated(w->bounds_.left, w->bounds_.top));
    unsigned opacity = w->opacity_;
    for (const Rect& part : visible.rects()) {
      for (int y = part.top; y < part.bottom; ++y) {
        const Pixel* s = src.row(y - w->bounds_.top) + (part.left - w->bounds_.left);
        Pixel* d = out.row(y - screenRect.top) + (part.left - screenRect.left);
        for (int x = 0; x < part.width(); ++x) {
          Pixel sp = s[x];
          unsigned a = opacity;
          if (w->perPixelAlpha_) a = a * alphaOf(sp) / 255;
          if (a == 255 && !w->perPixelAlpha_) {
            d[x] = sp | 0xFF000000u;
            continue;
          }
          Pixel dp = d[x];
          unsigned out_[3];
          for (int ch = 0; ch < 3; ++ch) {
            unsigned sc = (sp >> (ch * 8)) & 0xFF;
            unsigned dc = (dp >> (ch * 8)) & 0xFF;
            // Per-pixel alpha sources are premultiplied; plain ones are scaled by the opacity.
            unsigned v = w->perPixelAlpha_ ? (sc * opacity / 255 + dc * (255 - a) / 255) : (sc * a + dc * (255 - a) + 127) / 255;
            out_[ch] = std::min(v, 255u);
          }
          d[x] = 0xFF000000u | (out_[2] << 16) | (out_[1] << 8) | out_[0];
        }
      }
    }
  }
  return out;
}

}  // namespace tavra
