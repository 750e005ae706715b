// Focus, activation, capture, hooks, input dispatch, pointer shapes, and the frame tracking that
// moves and sizes windows and presses their caption buttons.
#include "winsys/WindowSystem.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <tuple>

#include "base/Text.h"
#include "winsys/ClassicFrame.h"
#include "winsys/Keys.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystemDetail.h"

namespace tavra {

using namespace windowsystem_detail;

namespace {

unsigned buttonBit(MouseButton b) {
  switch (b) {
    case MouseButton::Left: return MK_LBUTTON;
    case MouseButton::Right: return MK_RBUTTON;
    case MouseButton::Middle: return MK_MBUTTON;
    case MouseButton::X1: return MK_XBUTTON1;
    case MouseButton::X2: return MK_XBUTTON2;
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
    case MouseButton::X1:
    case MouseButton::X2: return down ? (doubleClick ? WM_XBUTTONDBLCLK : WM_XBUTTONDOWN) : WM_XBUTTONUP;
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
  backend_->activeWindowChanged(activeWindow());
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
    case K::Moved:
      if (Window* w = find(ev.window); w && w->isTopLevel() && w->bounds_.topLeft() != ev.screen) {
        w->setBounds(w->bounds_.movedTo(ev.screen));
      }
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
  }

  WParam keys = buttons_;
  if (modifiers_ & kModShift) keys |= MK_SHIFT;
  if (modifiers_ & kModControl) keys |= MK_CONTROL;

  if (ev.kind == K::MouseWheel) {
    // The wheel turns what is under the pointer, as on current desktops; over nothing of ours
    // (or over a disabled window) it goes to the focus. Unhandled, it climbs to the parents.
    Window* to = target ? target : focus();
    if (!to) return;
    send(*to, WM_MOUSEWHEEL, makeWParam(static_cast<unsigned>(keys), static_cast<unsigned>(ev.wheelDelta & 0xFFFF)),
         makeLParam(ev.screen.x, ev.screen.y));
    return;
  }
  if (!target) return;

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
    // A click on a window gives the display's keyboard focus back to the active window, wherever
    // it had gone.
    backend_->activeWindowChanged(activeWindow());
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

  bool sideButton = ev.button == MouseButton::X1 || ev.button == MouseButton::X2;
  if (hit != HTCLIENT) {
    // The frame has no use for the side buttons.
    if (sideButton && ev.kind != K::MouseMove) return;
    send(*target, frameMouseMessage(ev.kind, ev.button, doubleClick), static_cast<WParam>(hit), makeLParam(ev.screen.x, ev.screen.y));
    return;
  }
  if (sideButton && ev.kind != K::MouseMove) keys |= static_cast<WParam>(ev.button == MouseButton::X1 ? XBUTTON1 : XBUTTON2) << 16;
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
  // A top-level window that answers HTTRANSPARENT (a glow or shadow laid over other windows)
  // lets the mouse through to the windows below it.
  const Window* above = nullptr;
  for (;;) {
    Window* target = windowAt(screen, above);
    if (!target || !target->isEnabledWithAncestors()) return {nullptr, HTNOWHERE};
    LResult hit = send(*target, WM_NCHITTEST, 0, makeLParam(screen.x, screen.y));
    while (hit == HTTRANSPARENT && target->parent_) {
      target = target->parent_;
      hit = send(*target, WM_NCHITTEST, 0, makeLParam(screen.x, screen.y));
    }
    if (hit == HTTRANSPARENT) {
      above = target;
      continue;
    }
    if (hit == HTNOWHERE || hit == HTERROR) return {nullptr, hit};
    return {target, hit};
  }
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
  if (frameTracking_.keyboard && trackKeyboard(ev)) return;
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
  frameTracking_ = FrameTracking{};
  frameTracking_.window = w.handle();
  frameTracking_.hit = hit;
  frameTracking_.startScreen = screen;
  frameTracking_.startBounds = w.bounds();
  frameTracking_.inside = true;
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
  if (frameTracking_.keyboard) return trackKeyboardMouse(ev, *w);
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

}  // namespace tavra
