#pragma once
// The display backend on a real screen, through SDL2: one borderless SDL window per shown
// top-level window, showing the window's backing bitmap (frame included, since the program paints
// its own frame), and SDL input reported in screen coordinates. GUI thread only.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>

#include "winsys/DisplayBackend.h"
#include "winsys/SdlDisplayServer.h"
#include "winsys/Window.h"

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace tavra {

class SdlBackend final : public DisplayBackend {
 public:
  // Initialises SDL video; nullptr with a message in `error` when no display is available.
  static std::unique_ptr<SdlBackend> create(std::string* error);
  ~SdlBackend() override;
  SdlBackend(const SdlBackend&) = delete;
  SdlBackend& operator=(const SdlBackend&) = delete;

  Size desktopSize() const override;
  bool supportsOpacity() const override { return opacityWorks_; }
  bool supportsPerPixelAlpha() const override { return false; }

  void windowShown(Window& w) override;
  void windowHidden(Window& w) override;
  void windowMovedOrResized(Window& w) override;
  void windowOpacityChanged(Window& w) override;
  void windowRaised(Window& w) override;
  void windowDestroyed(Window& w) override;
  void activeWindowChanged(Window* active) override;
  void desktopRolesChanged(WindowSystem& system) override;
  bool keepsMinimizedWindows() const override { return server_.hasWindowManager(); }
  void present(Window& w, const Bitmap& backing, const Region& changed) override;

  std::optional<InputEvent> pollEvent() override;
  bool wait(std::optional<TimeMs> deadline) override;

  Clock& clock() override { return clock_; }
  Point cursorPosition() const override;
  void setCursorCapture(bool captured) override;
  void setCursorShape(CursorShape shape) override;
  void startTextInput() override;
  void setClipboardText(const std::string& text) override;
  std::string clipboardText() const override;

  // The SDL window id showing a top-level window (0 while it has none).
  std::uint32_t sdlWindowId(const Window& w) const;

 private:
  SdlBackend() = default;

  struct WindowDeleter {
    void operator()(SDL_Window* w) const;
  };
  struct CursorDeleter {
    void operator()(SDL_Cursor* c) const;
  };
  struct NativeWindow {
    std::unique_ptr<SDL_Window, WindowDeleter> window;
    std::uint32_t id = 0;
    std::uint32_t kindFlags = 0;  // SDL creation flags that follow from the window's styles
    std::string title;
    std::optional<Region> shape;  // the window region last given to the display
    bool needsFullCopy = true;    // the SDL surface is new or was never filled
    bool shown = false;           // the window system shows it
    bool iconified = false;       // minimised to the window manager
    // The desktop roles last given to the display: whether it carries the taskbar entry, and the
    // window it belongs to.
    std::optional<bool> listed;
    std::uint32_t transientFor = 0;  // SDL window id
    bool splash = false;
    // Positions asked of the display and not yet seen coming back, oldest first: a move reported
    // with none of them is the window manager's own.
    std::deque<Point> movesAsked;
  };

  NativeWindow* native(const Window& w);
  NativeWindow* createNative(Window& w);
  void placeNative(NativeWindow& nw, const Rect& bounds);
  void syncTitleAndShape(NativeWindow& nw, const Window& w);
  // Gives every managed window its taskbar presence, owner and type from the window system.
  void syncDesktopRoles(WindowSystem& system);
  std::optional<InputEvent> windowMoved(NativeWindow& nw, WindowHandle handle, Point position);
  std::optional<InputEvent> translate(const SDL_Event& ev);
  std::optional<InputEvent> translateWindowEvent(const SDL_Event& ev);
  bool pointerOverOurWindows(Point screen) const;
  bool laterMoveQueued() const;
  // Whether the key release being translated is SDL forgetting a held key because the keyboard
  // focus moves to another of our windows, where SDL reports the key pressed again at once.
  bool releaseByFocusMoveAmongOurWindows(int scancode) const;
  // Keeps the display's keyboard focus on the active window: SDL gives it to every window it
  // maps when no window manager runs, and nobody gives it back when that window goes.
  void syncInputFocus();

  RealClock clock_;
  SdlDisplayServer server_;
  std::unordered_map<WindowHandle, NativeWindow> windows_;
  std::unordered_map<std::uint32_t, WindowHandle> handles_;  // SDL window id → window
  WindowHandle active_ = 0;
  // Whether the display connection may hold something SDL has not read: set when the wait saw the
  // connection readable (or slept its longest), cleared when SDL was polled empty. Asking SDL
  // costs several reads of the connection; an idle tick of a timer need not pay them.
  bool displayMayHaveData_ = true;
  bool quietSinceWait_ = false;  // the wait just ended by time with nothing on the connection
  std::deque<InputEvent> pending_;  // translated by wait, handed out by pollEvent
  bool opacityWorks_ = false;
  std::array<std::unique_ptr<SDL_Cursor, CursorDeleter>, kCursorShapeCount> cursors_;  // made when first shown
  std::optional<CursorShape> shownCursor_;
  bool lastWasClose_ = false;
  std::unordered_set<int> pressedAgainByFocus_;  // held keys SDL is about to report pressed again
  bool nativePointer_ = false;              // pointer positions come from the display server's events
  std::optional<Point> nativeButtonScreen_; // where the display server saw the button that SDL reports next
};

// The backend the program runs on; nullptr with a message when no display is available.
std::unique_ptr<DisplayBackend> createSdlBackend(std::string* error);

}  // namespace tavra
