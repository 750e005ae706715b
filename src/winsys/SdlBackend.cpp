#include "winsys/SdlBackend.h"

#include <SDL.h>
#include <poll.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

#include "winsys/Messages.h"
#include "winsys/QuitSignals.h"
#include "winsys/SdlKeyMap.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

// Longest single wait, so that a loop without timers still comes round now and then.
constexpr int kMaxWaitMs = 1000;
constexpr std::uint32_t kUnmanagedKinds = SDL_WINDOW_POPUP_MENU | SDL_WINDOW_TOOLTIP;

// SDL creation flags that follow from a window's styles: popup menus and other windows that are
// never activated are left alone by the window manager; hints are tooltips. Whether a managed
// window is on the taskbar follows from the desktop roles (syncDesktopRoles).
std::uint32_t kindFlagsFor(const Window& w) {
  bool noActivate = (w.exStyle() & WS_EX_NOACTIVATE) != 0;
  bool topmost = (w.exStyle() & WS_EX_TOPMOST) != 0;
  if (w.className() == "#32768") return SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  if (noActivate && topmost) return SDL_WINDOW_TOOLTIP | SDL_WINDOW_SKIP_TASKBAR;
  if (noActivate) return SDL_WINDOW_POPUP_MENU | SDL_WINDOW_SKIP_TASKBAR;
  return topmost ? SDL_WINDOW_ALWAYS_ON_TOP : 0;
}

// The title the display shows for a window: the taskbar entry is titled after the program.
const std::string& displayTitle(const Window& w, bool listed) {
  const DesktopIdentity& identity = w.system().desktopIdentity();
  return listed && !identity.title.empty() ? identity.title : w.text();
}

// Windows the window manager leaves alone are never activated by raising them.
bool activatable(std::uint32_t kindFlags) { return (kindFlags & kUnmanagedKinds) == 0; }

float opacityOf(const Window& w) { return static_cast<float>(w.opacity()) / 255.0f; }

unsigned currentModifiers() { return modifiersFromSdl(SDL_GetModState()); }

// Screen position of a point in an SDL window's coordinates.
Point screenPoint(std::uint32_t windowId, int x, int y) {
  int left = 0;
  int top = 0;
  if (SDL_Window* sw = SDL_GetWindowFromID(windowId)) SDL_GetWindowPosition(sw, &left, &top);
  return {left + x, top + y};
}

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
}

// Copies rectangles of a 0xAARRGGBB bitmap into a surface of any pixel format.
void copyToSurface(const Bitmap& backing, const std::vector<Rect>& rects, SDL_Surface& surface) {
  auto* base = static_cast<std::uint8_t*>(surface.pixels);
  std::uint32_t format = surface.format->format;
  int bytesPerPixel = surface.format->BytesPerPixel;
  // XRGB8888 (SDL's RGB888) has the same memory layout; its high byte is ignored.
  bool sameLayout = format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
  for (const Rect& r : rects) {
    const Pixel* src = backing.row(r.top) + r.left;
    std::uint8_t* dst = base + static_cast<std::ptrdiff_t>(r.top) * surface.pitch + static_cast<std::ptrdiff_t>(r.left) * bytesPerPixel;
    if (sameLayout) {
      size_t bytes = static_cast<size_t>(r.width()) * 4;
      for (int y = 0; y < r.height(); ++y) {
        std::memcpy(dst, src, bytes);
        src += backing.width();
        dst += surface.pitch;
      }
    } else {
      SDL_ConvertPixels(r.width(), r.height(), SDL_PIXELFORMAT_ARGB8888, src, backing.stride(), format, dst, surface.pitch);
    }
  }
}

}  // namespace

void SdlBackend::WindowDeleter::operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }

void SdlBackend::CursorDeleter::operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }

std::unique_ptr<SdlBackend> SdlBackend::create(std::string* error) {
  auto fail = [&](std::string message) -> std::unique_ptr<SdlBackend> {
    if (error) *error = std::move(message);
    return nullptr;
  };
  if (!envSet("DISPLAY") && !envSet("WAYLAND_DISPLAY") && !envSet("SDL_VIDEODRIVER")) {
    return fail("No display is available: DISPLAY is not set.");
  }
  SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
  // The first click on an inactive window is a click, not only an activation.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  // Closing a window is the program's business; quitting is asked for separately.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // Plain window surfaces: no 3-D context per window, pixels go straight to the display.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Quit signals wake our own event wait (QuitSignals); SDL's handlers could not.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Polling stops when the queue is empty; no marker events in it.
  SDL_SetHint(SDL_HINT_POLL_SENTINEL, "0");
  QuitSignals::install();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    const char* display = std::getenv("DISPLAY");
    std::string where = display && *display ? std::string(" (DISPLAY=") + display + ")" : std::string();
    return fail("No display is available" + where + ": " + SDL_GetError());
  }
  std::unique_ptr<SdlBackend> backend(new SdlBackend());
  // A hidden window tells whether opacity can be set and gives the display connection.
  if (SDL_Window* probe = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN)) {
    backend->opacityWorks_ = SDL_SetWindowOpacity(probe, 1.0f) == 0;
    backend->server_.connect(probe);
    SDL_DestroyWindow(probe);
  }
  backend->nativePointer_ = backend->server_.watchNativeEvents();
  SDL_StartTextInput();
  return backend;
}

std::unique_ptr<DisplayBackend> createSdlBackend(std::string* error) { return SdlBackend::create(error); }

SdlBackend::~SdlBackend() {
  for (auto& c : cursors_) c.reset();
  handles_.clear();
  windows_.clear();
  server_.disconnect();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

namespace {

SDL_SystemCursor systemCursorFor(CursorShape shape) {
  switch (shape) {
    case CursorShape::Arrow: return SDL_SYSTEM_CURSOR_ARROW;
    case CursorShape::IBeam: return SDL_SYSTEM_CURSOR_IBEAM;
    case CursorShape::HandPoint: return SDL_SYSTEM_CURSOR_HAND;
    case CursorShape::Wait: return SDL_SYSTEM_CURSOR_WAIT;
    case CursorShape::SizeWE: return SDL_SYSTEM_CURSOR_SIZEWE;
    case CursorShape::SizeNS: return SDL_SYSTEM_CURSOR_SIZENS;
    case CursorShape::SizeNWSE: return SDL_SYSTEM_CURSOR_SIZENWSE;
    case CursorShape::SizeNESW: return SDL_SYSTEM_CURSOR_SIZENESW;
    case CursorShape::SizeAll: return SDL_SYSTEM_CURSOR_SIZEALL;
    case CursorShape::No: return SDL_SYSTEM_CURSOR_NO;
  }
  return SDL_SYSTEM_CURSOR_ARROW;
}

}  // namespace

void SdlBackend::setCursorShape(CursorShape shape) {
  if (shownCursor_ == shape) return;
  auto& cursor = cursors_[static_cast<std::size_t>(shape)];
  if (!cursor) cursor.reset(SDL_CreateSystemCursor(systemCursorFor(shape)));
  // A display without that shape keeps the one it shows.
  if (!cursor) return;
  SDL_SetCursor(cursor.get());
  shownCursor_ = shape;
}

Size SdlBackend::desktopSize() const {
  SDL_Rect r;
  if (SDL_GetDisplayBounds(0, &r) != 0) return {1024, 768};
  return {r.w, r.h};
}

// --- Windows ---------------------------------------------------------------------------------

SdlBackend::NativeWindow* SdlBackend::native(const Window& w) {
  auto it = windows_.find(w.handle());
  return it == windows_.end() ? nullptr : &it->second;
}

SdlBackend::NativeWindow* SdlBackend::createNative(Window& w) {
  Rect b = w.bounds();
  std::uint32_t kind = kindFlagsFor(w);
  SDL_Window* sw = SDL_CreateWindow(w.text().c_str(), b.left, b.top, std::max(1, b.width()), std::max(1, b.height()),
                                    SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN | kind);
  if (!sw) {
    SDL_LogError(SDL_LOG_CATEGORY_VIDEO, "cannot create a window for \"%s\": %s", w.text().c_str(), SDL_GetError());
    return nullptr;
  }
  NativeWindow nw;
  nw.window.reset(sw);
  nw.id = SDL_GetWindowID(sw);
  nw.kindFlags = kind;
  nw.title = w.text();
  if (w.opacity() != 255) SDL_SetWindowOpacity(sw, opacityOf(w));
  const DesktopIdentity& identity = w.system().desktopIdentity();
  server_.setWindowClass(sw, identity.name, identity.className);
  // The title may be the program's; the role tells the windows apart (the window's class).
  server_.setWindowRole(sw, w.className());
  handles_[nw.id] = w.handle();
  return &(windows_[w.handle()] = std::move(nw));
}

void SdlBackend::placeNative(NativeWindow& nw, const Rect& b) {
  int x = 0;
  int y = 0;
  SDL_GetWindowPosition(nw.window.get(), &x, &y);
  if (x != b.left || y != b.top) {
    constexpr std::size_t kMostMovesAsked = 64;
    if (nw.movesAsked.size() == kMostMovesAsked) nw.movesAsked.pop_front();
    nw.movesAsked.push_back(b.topLeft());
    SDL_SetWindowPosition(nw.window.get(), b.left, b.top);
  }
  int width = std::max(1, b.width());
  int height = std::max(1, b.height());
  int curWidth = 0;
  int curHeight = 0;
  SDL_GetWindowSize(nw.window.get(), &curWidth, &curHeight);
  if (curWidth != width || curHeight != height) {
    SDL_SetWindowSize(nw.window.get(), width, height);
    nw.needsFullCopy = true;
  }
}

// The caption text and the window region change without telling the backend; the repaint that
// follows either does.
void SdlBackend::syncTitleAndShape(NativeWindow& nw, const Window& w) {
  if (const std::string& title = displayTitle(w, nw.listed.value_or(false)); nw.title != title) {
    nw.title = title;
    SDL_SetWindowTitle(nw.window.get(), nw.title.c_str());
  }
  if (nw.shape != w.windowRegion()) {
    nw.shape = w.windowRegion();
    server_.setShape(nw.window.get(), nw.shape);
  }
}

void SdlBackend::windowShown(Window& w) {
  NativeWindow* nw = native(w);
  // Styles decide creation flags; a window whose kind changed gets a new SDL window.
  if (nw && nw->kindFlags != kindFlagsFor(w)) {
    windowDestroyed(w);
    nw = nullptr;
  }
  if (!nw) nw = createNative(w);
  if (!nw) return;
  placeNative(*nw, w.bounds());
  syncDesktopRoles(w.system());
  syncTitleAndShape(*nw, w);
  if (nw->iconified) {
    nw->iconified = false;
    SDL_RestoreWindow(nw->window.get());
    // Restoring rewrites the window's state from SDL's own flags.
    nw->listed.reset();
    syncDesktopRoles(w.system());
  }
  SDL_ShowWindow(nw->window.get());
  if (activatable(nw->kindFlags)) SDL_RaiseWindow(nw->window.get());
  nw->shown = true;
  nw->needsFullCopy = true;
  syncInputFocus();
}

void SdlBackend::windowHidden(Window& w) {
  NativeWindow* nw = native(w);
  if (!nw) return;
  nw->shown = false;
  // The windows that belong to this one move to the next owner before it goes: a window manager
  // hides the windows of an owner that is hidden.
  syncDesktopRoles(w.system());
  // A minimised window stays visible in style. It goes to the window manager, where the user
  // finds it again; without one nobody could bring it back, so it is only hidden.
  if (w.isMinimized() && w.isVisible() && server_.hasWindowManager()) {
    nw->iconified = true;
    SDL_MinimizeWindow(nw->window.get());
  } else {
    SDL_HideWindow(nw->window.get());
  }
  syncInputFocus();
}

void SdlBackend::windowMovedOrResized(Window& w) {
  if (NativeWindow* nw = native(w)) placeNative(*nw, w.bounds());
}

void SdlBackend::windowOpacityChanged(Window& w) {
  if (NativeWindow* nw = native(w)) SDL_SetWindowOpacity(nw->window.get(), opacityOf(w));
}

void SdlBackend::windowRaised(Window& w) {
  NativeWindow* nw = native(w);
  if (nw && (SDL_GetWindowFlags(nw->window.get()) & SDL_WINDOW_SHOWN)) SDL_RaiseWindow(nw->window.get());
}

void SdlBackend::windowDestroyed(Window& w) {
  auto it = windows_.find(w.handle());
  if (it == windows_.end()) return;
  handles_.erase(it->second.id);
  windows_.erase(it);
  syncInputFocus();
}

void SdlBackend::desktopRolesChanged(WindowSystem& system) { syncDesktopRoles(system); }

// One window carries the taskbar entry, titled after the program; every other managed window
// stays off the taskbar and belongs to it (window managers keep such windows with it, so they must
// not belong to a hidden one). Menus and hints are not the window manager's business (their SDL
// kinds say so).
void SdlBackend::syncDesktopRoles(WindowSystem& system) {
  Window* entry = system.taskbarEntryWindow();
  NativeWindow* entryNative = entry ? native(*entry) : nullptr;
  Window* splash = system.splashWindow();
  for (auto& [handle, nw] : windows_) {
    if (!activatable(nw.kindFlags)) continue;
    Window* w = system.find(handle);
    if (!w) continue;
    if (w == splash && !nw.splash) {
      nw.splash = true;
      server_.markAsSplash(nw.window.get());
    }
    bool listed = w == entry;
    NativeWindow* owner = listed ? nullptr : entryNative;
    std::uint32_t ownerId = owner ? owner->id : 0;
    if (nw.listed == listed && nw.transientFor == ownerId) continue;
    nw.listed = listed;
    nw.transientFor = ownerId;
    server_.setTaskbarPresence(nw.window.get(), listed, owner ? owner->window.get() : nullptr);
    syncTitleAndShape(nw, *w);
  }
}

void SdlBackend::activeWindowChanged(Window* active) {
  active_ = active ? active->handle() : 0;
  syncInputFocus();
}

void SdlBackend::syncInputFocus() {
  auto it = windows_.find(active_);
  if (it == windows_.end() || !it->second.shown) return;
  server_.focusWindow(it->second.window.get());
}

void SdlBackend::present(Window& w, const Bitmap& backing, const Region& changed) {
  NativeWindow* nw = native(w);
  if (!nw) return;
  syncTitleAndShape(*nw, w);
  SDL_Surface* surface = SDL_GetWindowSurface(nw->window.get());
  if (!surface) return;
  Rect area = backing.bounds().intersected(Rect::fromSize(0, 0, surface->w, surface->h));
  std::vector<Rect> rects;
  if (nw->needsFullCopy) {
    rects.push_back(area);
  } else {
    for (const Rect& r : changed.rects()) {
      Rect part = r.intersected(area);
      if (!part.isEmpty()) rects.push_back(part);
    }
  }
  if (rects.empty() || area.isEmpty()) return;
  if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
  copyToSurface(backing, rects, *surface);
  if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  std::vector<SDL_Rect> sdlRects;
  sdlRects.reserve(rects.size());
  for (const Rect& r : rects) sdlRects.push_back({r.left, r.top, r.width(), r.height()});
  if (SDL_UpdateWindowSurfaceRects(nw->window.get(), sdlRects.data(), static_cast<int>(sdlRects.size())) == 0) {
    nw->needsFullCopy = false;
  }
}

// --- Input -----------------------------------------------------------------------------------

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

std::uint32_t SdlBackend::sdlWindowId(const Window& w) const {
  auto it = windows_.find(w.handle());
  return it == windows_.end() ? 0 : it->second.id;
}

Point SdlBackend::cursorPosition() const { return server_.pointer().screen; }

void SdlBackend::setCursorCapture(bool captured) { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); }

void SdlBackend::startTextInput() { SDL_StartTextInput(); }

void SdlBackend::setClipboardText(const std::string& text) { SDL_SetClipboardText(text.c_str()); }

std::string SdlBackend::clipboardText() const {
  char* text = SDL_GetClipboardText();
  if (!text) return {};
  std::string out = text;
  SDL_free(text);
  return out;
}

}  // namespace tavra
