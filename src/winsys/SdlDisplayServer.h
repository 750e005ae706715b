#pragma once
// What the SDL backend asks the display server itself, because SDL does not tell it reliably.
// On X11:
// - where the pointer is: SDL caches its global mouse state between input-extension raw events,
//   and synthetic input (XTEST, as xdotool sends it) leaves that cache stale;
// - the screen position of each pointer event: SDL gives window coordinates only, which lag
//   behind a window that moves under the pointer, and it drops moves whose window coordinates
//   did not change (exactly what happens while a window follows the pointer);
// - whether a window manager runs;
// - the shape of a window with a region (SDL shapes only windows it created as shaped ones);
// - the input focus: without a window manager nobody moves it when a window closes;
// - the connection itself, so that waiting for events is one poll on it and on nothing of SDL's.
// Display errors never end the program (each kind is reported once); a lost connection ends it
// with a clear message. Elsewhere SDL's own answers.
#include <optional>
#include <string>

#include "base/Geometry.h"
#include "gfx/Region.h"

struct SDL_Window;
union SDL_Event;

namespace tavra {

struct PointerState {
  Point screen;
  bool buttonHeld = false;
};

struct NativePointerEvent {
  enum class Kind { Move, Button };  // Move includes the pointer entering a window
  Kind kind = Kind::Move;
  Point screen;
};

class SdlDisplayServer {
 public:
  SdlDisplayServer() = default;
  ~SdlDisplayServer();
  SdlDisplayServer(const SdlDisplayServer&) = delete;
  SdlDisplayServer& operator=(const SdlDisplayServer&) = delete;

  // Talks to the display connection behind `window` (any window of the video driver; the
  // connection outlives it).
  void connect(SDL_Window* window);
  // Before SDL quits.
  void disconnect();

  // The display connection's file descriptor, readable when events arrive; -1 when unknown.
  int connectionFd() const;
  // Sends what is buffered and tells whether events were read from the connection but not yet
  // taken by SDL (then waiting on the descriptor would sleep over them).
  bool flushAndCheckQueued() const;
  // Whether events were read from the connection but not yet taken by SDL (no input or output).
  bool hasQueuedEvents() const;

  PointerState pointer() const;
  // Whether something manages windows: minimised windows have somewhere to go back from.
  bool hasWindowManager() const;
  // Limits a window to a region (window coordinates): outside it the window is neither seen nor
  // hit. Without a region the whole rectangle counts again. False where shaping is impossible.
  bool setShape(SDL_Window* window, const std::optional<Region>& region) const;
  // Gives the keyboard to a shown window unless it has it: directly without a window manager,
  // by asking the window manager otherwise. Nothing happens for a window that is not viewable.
  void focusWindow(SDL_Window* window) const;
  // The window's instance name and class, and its role among the program's windows (set before
  // the window is first shown).
  void setWindowClass(SDL_Window* window, const std::string& name, const std::string& className) const;
  void setWindowRole(SDL_Window* window, const std::string& role) const;
  // Marks a window as a splash screen: window managers neither frame nor list it (before it is
  // first shown).
  void markAsSplash(SDL_Window* window) const;
  // Whether the window has an entry of its own in taskbars and pagers, and the window it belongs
  // to (null: none). A window the window manager already manages is changed through it.
  void setTaskbarPresence(SDL_Window* window, bool listed, SDL_Window* transientFor) const;
  // How many failed requests the display reported to the process and the program went on.
  static int ignoredErrorCount();

  // Turns on SDL's pass-through of the display server's own events (SDL_SYSWMEVENT); from then on
  // `nativePointerEvent` reads pointer positions out of them. False where that is not possible.
  bool watchNativeEvents();
  // The pointer event inside a pass-through event, if it holds one.
  std::optional<NativePointerEvent> nativePointerEvent(const SDL_Event& ev) const;

 private:
  static int rewriteExtensionEvent(void* self, SDL_Event* ev);

  void* x11Display_ = nullptr;  // Display*, when the video driver is X11
  int inputExtension_ = -1;     // major opcode of the X input extension
  bool shapeExtension_ = false;
  bool watching_ = false;
};

}  // namespace tavra
