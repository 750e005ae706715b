// The SDL backend's windows: one SDL window per shown top-level window, placed, titled, shaped,
// shown and hidden as the window system asks, with its desktop roles and the keyboard focus.
#include "winsys/SdlBackend.h"

#include <SDL.h>

#include <algorithm>
#include <utility>

#include "winsys/Messages.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

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

}  // namespace

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

std::uint32_t SdlBackend::sdlWindowId(const Window& w) const {
  auto it = windows_.find(w.handle());
  return it == windows_.end() ? 0 : it->second.id;
}

}  // namespace tavra
