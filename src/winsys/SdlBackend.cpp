// The SDL backend's setup and shutdown, and what it does for the whole desktop: the desktop size,
// the pointer's position, capture and shape, text input and the clipboard.
#include "winsys/SdlBackend.h"

#include <SDL.h>

#include <cstdlib>
#include <utility>

#include "winsys/QuitSignals.h"

namespace tavra {
namespace {

bool envSet(const char* name) {
  const char* v = std::getenv(name);
  return v && *v;
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

// --- Pointer, text input and clipboard -------------------------------------------------------

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
