// The SDL backend's input: waiting for the display's events and translating SDL's events into the
// window system's input events.
#include "winsys/SdlBackend.h"

#include <SDL.h>
#include <poll.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "winsys/QuitSignals.h"
#include "winsys/SdlKeyMap.h"

namespace tavra {
namespace {

// Longest single wait, so that a loop without timers still comes round now and then.
constexpr int kMaxWaitMs = 1000;

unsigned currentModifiers() { return modifiersFromSdl(SDL_GetModState()); }

// Screen position of a point in an SDL window's coordinates.
Point screenPoint(std::uint32_t windowId, int x, int y) {
  int left = 0;
  int top = 0;
  if (SDL_Window* sw = SDL_GetWindowFromID(windowId)) SDL_GetWindowPosition(sw, &left, &top);
  return {left + x, top + y};
}

}  // namespace

std::optional<InputEvent> SdlBackend::pollEvent() {
  if (QuitSignals::takePending()) {
    InputEvent quit;
    quit.kind = InputEvent::Kind::Quit;
    return quit;
  }
  if (!pending_.empty()) {
    InputEvent ev = std::move(pending_.front());
    pending_.pop_front();
    return ev;
  }
  int displayFd = server_.connectionFd();
  if (displayFd >= 0 && !displayMayHaveData_ && !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT) && !server_.hasQueuedEvents()) {
    // Right after a quiet wait nothing can have come; later one look at the connection tells.
    if (std::exchange(quietSinceWait_, false)) return std::nullopt;
    pollfd fd{displayFd, POLLIN, 0};
    if (::poll(&fd, 1, 0) == 0) return std::nullopt;
  }
  quietSinceWait_ = false;
  SDL_Event ev;
  while (SDL_PollEvent(&ev)) {
    if (auto in = translate(ev)) return in;
  }
  displayMayHaveData_ = false;
  return std::nullopt;
}

// Waits on the display connection and the quit-signal pipe ourselves. SDL's own wait wakes
// itself by sending an event to the newest window over a second connection; when that window is
// destroyed meanwhile (a message box closing on a busy machine) the request fails on the server.
bool SdlBackend::wait(std::optional<TimeMs> deadline) {
  if (!pending_.empty()) return true;
  TimeMs timeout = kMaxWaitMs;
  if (deadline) timeout = std::min<TimeMs>(timeout, *deadline - clock_.now());
  if (timeout <= 0) return true;
  // The loop polled SDL until it had nothing left just before; what may have come since is in
  // SDL's queue (events SDL made itself) or read into Xlib's by a request with a reply.
  if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return true;
  int displayFd = server_.connectionFd();
  if (displayFd < 0) {
    SDL_PumpEvents();
    if (SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) return true;
    SDL_Event ev;
    if (SDL_WaitEventTimeout(&ev, static_cast<int>(timeout))) {
      if (auto in = translate(ev)) pending_.push_back(std::move(*in));
    }
    return true;
  }
  if (server_.flushAndCheckQueued()) return true;
  pollfd fds[2] = {{displayFd, POLLIN, 0}, {QuitSignals::wakeFd(), POLLIN, 0}};
  int ready = ::poll(fds, fds[1].fd >= 0 ? 2 : 1, static_cast<int>(timeout));
  if (ready != 0 || timeout == kMaxWaitMs) displayMayHaveData_ = true;
  quietSinceWait_ = !displayMayHaveData_;
  return true;
}

std::optional<InputEvent> SdlBackend::translate(const SDL_Event& ev) {
  using K = InputEvent::Kind;
  bool afterClose = lastWasClose_;
  lastWasClose_ = false;
  InputEvent in;
  switch (ev.type) {
    case SDL_QUIT:
      // Older SDL versions quit when the last window is closed; that close is the program's.
      if (afterClose) return std::nullopt;
      in.kind = K::Quit;
      return in;
    case SDL_WINDOWEVENT:
      return translateWindowEvent(ev);
    case SDL_SYSWMEVENT: {
      auto native = server_.nativePointerEvent(ev);
      if (!native) return std::nullopt;
      if (native->kind == NativePointerEvent::Kind::Button) {
        // SDL's own button or wheel event follows; it gets this position.
        nativeButtonScreen_ = native->screen;
        return std::nullopt;
      }
      if (laterMoveQueued()) return std::nullopt;
      in.kind = K::MouseMove;
      in.screen = native->screen;
      in.modifiers = currentModifiers();
      return in;
    }
    case SDL_MOUSEMOTION: {
      if (nativePointer_) return std::nullopt;
      // Many moves in a row: the last one says where the pointer is.
      SDL_Event next;
      if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1 && next.type == SDL_MOUSEMOTION) return std::nullopt;
      in.kind = K::MouseMove;
      in.screen = screenPoint(ev.motion.windowID, ev.motion.x, ev.motion.y);
      in.modifiers = currentModifiers();
      return in;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      std::optional<Point> native = std::exchange(nativeButtonScreen_, std::nullopt);
      switch (ev.button.button) {
        case SDL_BUTTON_LEFT: in.button = MouseButton::Left; break;
        case SDL_BUTTON_RIGHT: in.button = MouseButton::Right; break;
        case SDL_BUTTON_MIDDLE: in.button = MouseButton::Middle; break;
        case SDL_BUTTON_X1: in.button = MouseButton::X1; break;
        case SDL_BUTTON_X2: in.button = MouseButton::X2; break;
        default: return std::nullopt;
      }
      in.kind = ev.type == SDL_MOUSEBUTTONDOWN ? K::MouseDown : K::MouseUp;
      in.screen = native ? *native : screenPoint(ev.button.windowID, ev.button.x, ev.button.y);
      in.modifiers = currentModifiers();
      return in;
    }
    case SDL_MOUSEWHEEL: {
      std::optional<Point> native = std::exchange(nativeButtonScreen_, std::nullopt);
      float steps = ev.wheel.preciseY;
      if (ev.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) steps = -steps;
      in.wheelDelta = static_cast<int>(std::lround(steps * 120.0f));
      if (in.wheelDelta == 0) return std::nullopt;  // sideways only
      in.kind = K::MouseWheel;
      in.screen = native ? *native : server_.pointer().screen;
      in.modifiers = currentModifiers();
      return in;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const SDL_Keysym& key = ev.key.keysym;
      // Focus moving between our own windows (a menu or a hint appearing where no window manager
      // runs) is no release and no new press: Alt+Space must not look like a second tap of Alt.
      if (ev.type == SDL_KEYUP && releaseByFocusMoveAmongOurWindows(key.scancode)) {
        pressedAgainByFocus_.insert(key.scancode);
        return std::nullopt;
      }
      if (ev.type == SDL_KEYDOWN && pressedAgainByFocus_.erase(key.scancode) > 0) return std::nullopt;
      in.key = virtualKeyFromSdl(key.sym, key.scancode, (key.mod & KMOD_NUM) ? NumLock::On : NumLock::Off);
      if (in.key == 0) return std::nullopt;
      in.kind = ev.type == SDL_KEYDOWN ? K::KeyDown : K::KeyUp;
      in.modifiers = modifiersFromSdl(key.mod);
      return in;
    }
    case SDL_TEXTINPUT:
      in.kind = K::Text;
      in.text = ev.text.text;
      in.modifiers = currentModifiers();
      return in;
    default:
      return std::nullopt;
  }
}

std::optional<InputEvent> SdlBackend::translateWindowEvent(const SDL_Event& ev) {
  using K = InputEvent::Kind;
  auto handle = handles_.find(ev.window.windowID);
  NativeWindow* nw = nullptr;
  if (handle != handles_.end()) nw = &windows_.at(handle->second);
  InputEvent in;
  switch (ev.window.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
      // SDL also says so when a window is hidden; only a shown window can be minimised by the
      // window manager.
      if (!nw || !nw->shown) return std::nullopt;
      nw->shown = false;
      nw->iconified = true;
      in.kind = K::MinimizeRequest;
      in.window = handle->second;
      return in;
    case SDL_WINDOWEVENT_RESTORED:
      if (!nw || !nw->iconified) return std::nullopt;
      nw->iconified = false;
      in.kind = K::RestoreRequest;
      in.window = handle->second;
      return in;
    case SDL_WINDOWEVENT_CLOSE:
      lastWasClose_ = true;
      if (handle == handles_.end()) return std::nullopt;
      in.kind = K::CloseRequest;
      in.window = handle->second;
      return in;
    case SDL_WINDOWEVENT_MOVED:
      if (!nw) return std::nullopt;
      return windowMoved(*nw, handle->second, {ev.window.data1, ev.window.data2});
    case SDL_WINDOWEVENT_EXPOSED:
      if (handle == handles_.end()) return std::nullopt;
      in.kind = K::Expose;
      in.window = handle->second;
      return in;
    case SDL_WINDOWEVENT_LEAVE: {
      // Leaving one window for another of ours, or dragging with a button held, keeps the
      // pointer with the program.
      PointerState pointer = server_.pointer();
      if (pointer.buttonHeld || pointerOverOurWindows(pointer.screen)) return std::nullopt;
      in.kind = K::MouseLeftDesktop;
      return in;
    }
    default:
      return std::nullopt;
  }
}

// A move the display reports is either one the program asked for coming back (possibly late,
// after the program moved the window on) or the window manager's own (the user dragged the window
// with it): only the latter is news to the window system.
std::optional<InputEvent> SdlBackend::windowMoved(NativeWindow& nw, WindowHandle handle, Point position) {
  auto asked = std::find(nw.movesAsked.begin(), nw.movesAsked.end(), position);
  if (asked != nw.movesAsked.end()) {
    nw.movesAsked.erase(nw.movesAsked.begin(), asked + 1);
    return std::nullopt;
  }
  nw.movesAsked.clear();
  InputEvent in;
  in.kind = InputEvent::Kind::Moved;
  in.window = handle;
  in.screen = position;
  return in;
}

// Whether a later pointer move waits in the queue before anything else happens: then this one
// need not be reported.
bool SdlBackend::laterMoveQueued() const {
  constexpr int kLookAhead = 16;
  SDL_Event ahead[kLookAhead];
  int n = SDL_PeepEvents(ahead, kLookAhead, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  for (int i = 0; i < n; ++i) {
    if (ahead[i].type == SDL_MOUSEMOTION) continue;  // SDL's copy of a move
    auto native = server_.nativePointerEvent(ahead[i]);
    if (native) return native->kind == NativePointerEvent::Kind::Move;
    if (ahead[i].type != SDL_SYSWMEVENT) return false;
  }
  return false;
}

bool SdlBackend::releaseByFocusMoveAmongOurWindows(int scancode) const {
  // SDL forgets held keys in one go (the releases, then the focus loss), and when the focus comes
  // to another of its windows it reports the modifiers still held pressed again, right after the
  // gain. Only a release answered so is none; anything else in between means a real one.
  constexpr int kLookAhead = 32;
  SDL_Event ahead[kLookAhead];
  const int n = SDL_PeepEvents(ahead, kLookAhead, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT);
  bool lost = false;
  bool gained = false;
  for (int i = 0; i < n; ++i) {
    const SDL_Event& e = ahead[i];
    if (e.type == SDL_SYSWMEVENT) continue;
    if (gained) {
      if (e.type != SDL_KEYDOWN || e.key.repeat) return false;
      if (e.key.keysym.scancode == scancode) return true;
      continue;  // another held modifier reported again
    }
    if (!lost && e.type == SDL_KEYUP) continue;
    if (e.type != SDL_WINDOWEVENT) return false;
    if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
      lost = true;
    } else if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
      if (!lost || handles_.count(e.window.windowID) == 0) return false;
      gained = true;
    } else if (!lost) {
      return false;
    }
  }
  return false;
}

bool SdlBackend::pointerOverOurWindows(Point p) const {
  for (const auto& [handle, nw] : windows_) {
    SDL_Window* sw = nw.window.get();
    if (!(SDL_GetWindowFlags(sw) & SDL_WINDOW_SHOWN)) continue;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    SDL_GetWindowPosition(sw, &x, &y);
    SDL_GetWindowSize(sw, &width, &height);
    if (!Rect::fromSize(x, y, width, height).contains(p)) continue;
    if (!nw.shape || nw.shape->contains({p.x - x, p.y - y})) return true;
  }
  return false;
}

}  // namespace tavra
