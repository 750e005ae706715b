#pragma once
// The window system: the window tree, message delivery (send and post), the message loop with
// nested modal loops, timers, focus, activation, capture, input dispatch, painting in the
// platform's order, device contexts, hooks, screen capture. One instance per process, running on
// the GUI thread, over a display backend (headless or SDL2).
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "winsys/Clock.h"
#include "winsys/DesktopIdentity.h"
#include "winsys/DeviceContext.h"
#include "winsys/DisplayBackend.h"
#include "winsys/InputEvent.h"
#include "winsys/Window.h"
#include "winsys/WindowHook.h"

namespace tavra {

class MinimizedBars;

class WindowSystem {
 public:
  explicit WindowSystem(std::unique_ptr<DisplayBackend> backend);
  ~WindowSystem();
  WindowSystem(const WindowSystem&) = delete;
  WindowSystem& operator=(const WindowSystem&) = delete;

  // The window system of the process (the one constructed last and not yet destroyed).
  static WindowSystem& instance();
  static bool exists();

  DisplayBackend& backend() { return *backend_; }
  Clock& clock() { return backend_->clock(); }
  TimeMs now() { return backend_->clock().now(); }
  Size desktopSize() const { return backend_->desktopSize(); }

  // Windows.
  std::unique_ptr<Window> createWindow(const WindowParams& params);
  Window* find(WindowHandle handle) const;
  const std::vector<Window*>& topLevelWindows() const { return topLevels_; }  // bottom to top
  // The topmost showing top-level window under a screen point; with `above`, the topmost one
  // below that window.
  Window* topLevelAt(Point screen, const Window* above = nullptr) const;
  // The deepest showing window under a screen point (children descended through client areas),
  // starting from the top-level window `topLevelAt(screen, above)` gives.
  Window* windowAt(Point screen, const Window* above = nullptr) const;

  // Messages.
  LResult send(Window& w, MessageId msg, WParam wParam = 0, LParam lParam = 0);
  void post(Window& w, MessageId msg, WParam wParam = 0, LParam lParam = 0);
  void post(WindowHandle w, MessageId msg, WParam wParam = 0, LParam lParam = 0);
  bool hasPosted(WindowHandle w, MessageId msg) const;
  void postQuit(int exitCode = 0);
  bool quitRequested() const { return quit_; }
  int exitCode() const { return exitCode_; }

  // Loops. pumpOnce handles what is pending now in the platform's priority order (posted
  // messages, input, paint, timers) and returns whether it did anything.
  bool pumpOnce();
  void processMessages();
  // Runs until `done` holds or quit is requested (main loop and nested modal loops). Returns
  // false when the loop stopped because nothing could happen any more (virtual clock, no input).
  bool runLoop(const std::function<bool()>& done);
  int run();
  int loopDepth() const { return loopDepth_; }
  // Runs every time a loop has nothing to do, before it waits (the framework's idle work).
  void setIdleHandler(std::function<void()> handler) { idleHandler_ = std::move(handler); }

  // Timers: WM_TIMER to the window every `intervalMs`, never more often than the timer
  // resolution (10 ms). Setting an existing id restarts it.
  void setTimer(Window& w, std::uintptr_t id, int intervalMs);
  void killTimer(Window& w, std::uintptr_t id);
  bool hasTimer(const Window& w, std::uintptr_t id) const;
  std::optional<TimeMs> nextTimerDeadline() const;
  // Fires every timer due at the current time (tests with a virtual clock call this after
  // moving the clock; the loop calls it itself).
  bool fireDueTimers();

  // Keyboard focus and activation.
  Window* focus() const { return find(focus_); }
  void setFocus(Window* w);
  Window* activeWindow() const { return find(active_); }
  void activate(Window* topLevel);

  // Mouse.
  Window* capture() const { return find(capture_); }
  void setCapture(Window* w);
  void releaseCapture();
  Point cursorPos() const { return cursor_; }
  Window* hoverWindow() const { return find(hover_); }
  // The pointer's shape. Every move of the mouse asks the window under it with WM_SETCURSOR
  // (not while the mouse is captured); handlers answer by calling setCursor.
  void setCursor(CursorShape shape);
  CursorShape cursorShape() const { return cursorShape_; }
  // Asks the window under the pointer for its shape again (after a control changed its cursor).
  void updateCursor();
  unsigned modifiers() const { return modifiers_; }
  bool isButtonDown(MouseButton b) const;
  // Input observers run after every input event has been dispatched.
  void addInputObserver(std::function<void(const InputEvent&)> observer);
  // Input filters see every input event before it is dispatched; one that returns true takes the
  // event (the menu loop's message filter). Observers still see it.
  int addInputFilter(std::function<bool(const InputEvent&)> filter);
  void removeInputFilter(int id);
  // Delivers one input event as if the display had reported it.
  void dispatchInput(const InputEvent& ev);

  // Hooks.
  int addHook(WindowHook hook);
  void removeHook(int id);

  // Painting.
  std::unique_ptr<DeviceContext> getDC(Window& w);        // client area
  std::unique_ptr<DeviceContext> getWindowDC(Window& w);  // whole window, frame included
  PaintScope beginPaint(Window& w);
  void paintPending();
  void paintNow(Window& w);  // paints what is invalid in w's top-level window
  // The visible part of a window in its top-level window's coordinates.
  Region visibleRegion(const Window& w, bool wholeWindow, bool clipChildren) const;
  // Screen capture of what the program's own windows show there (desktop colour elsewhere).
  Bitmap captureScreen(const Rect& screenRect) const;
  // The bar standing for a minimised window where the display keeps no place for it (null: none).
  Window* minimizedBarOf(const Window& w) const;
  // The non-client button being pressed in a window (HTCLOSE, HTMINBUTTON) for its frame painter.
  LResult pressedFrameButton(const Window& w) const;

  // The platform's default handling of a message (frames, hit tests, moving, erasing, closing).
  LResult defWindowProc(Window& w, MessageId msg, WParam wParam, LParam lParam);

  // The desktop's view of the program. One window carries the taskbar entry (titled after the
  // identity) and the others belong to it; the splash window is shown as a splash.
  void setDesktopIdentity(DesktopIdentity identity);
  const DesktopIdentity& desktopIdentity() const { return identity_; }
  // The windows that may carry the taskbar entry, the main window first: the first of them that
  // is visible carries it (a minimised one stays visible), so the program keeps its one entry
  // whichever of them is up.
  void setTaskbarWindows(const std::vector<Window*>& windows);
  Window* taskbarEntryWindow() const;
  void setSplashWindow(Window* w);
  Window* splashWindow() const { return find(splashWindow_); }

  // Clipboard.
  void setClipboardText(const std::string& text) { backend_->setClipboardText(text); }
  std::string clipboardText() const { return backend_->clipboardText(); }

 private:
  friend class Window;
  friend class DeviceContext;

  struct Posted {
    WindowHandle window;
    MessageId msg;
    WParam wParam;
    LParam lParam;
  };
  struct Timer {
    WindowHandle window;
    std::uintptr_t id;
    TimeMs interval;
    TimeMs due;
    std::uint64_t order;
  };
  struct FrameTracking {
    WindowHandle window = 0;
    LResult hit = HTNOWHERE;  // HTCAPTION: moving; borders: sizing; buttons: pressed
    Point startScreen;
    Rect startBounds;
    bool inside = false;
    // Moving (HTCAPTION) or sizing (HTNOWHERE until the arrows pick edges) from the keyboard.
    bool keyboard = false;
    int edgeX = 0;  // sizing: -1 the left edge, 1 the right one, 0 none yet
    int edgeY = 0;  // -1 the top edge, 1 the bottom one
    bool anchored = false;  // the mouse has moved: it moves the window from `anchor` on
    Point anchor;
    Rect anchorBounds;
  };

  void windowDestroyed(Window& w);
  void windowShownChanged(Window& w, bool visible, bool activate);
  void windowBoundsChanged(Window& w, const Rect& oldBounds);
  void markPresent(Window& topLevel, const Region& region);
  void presentPending();
  void invalidateUnder(Window& parent, const Rect& parentClientRect);
  void paintTree(Window& w);
  void dispatchMouse(const InputEvent& ev);
  // The window that takes the mouse at a screen point with its hit-test code; null when none does.
  std::pair<Window*, LResult> mouseTarget(Point screen);
  void askCursor(Window* target, LResult hit);
  void dispatchKey(const InputEvent& ev);
  bool trackFrame(const InputEvent& ev);
  void startFrameTracking(Window& w, LResult hit, Point screen);
  void startKeyboardTracking(Window& w, WParam command);
  bool trackKeyboard(const InputEvent& ev);
  bool trackKeyboardMouse(const InputEvent& ev, Window& w);
  void endKeyboardTracking(Window& w);
  LResult frameHitTest(Window& w, Point screen);
  void paintClassicFrame(Window& w, const Region* region);
  bool dispatchPosted();

  std::unique_ptr<DisplayBackend> backend_;
  WindowSystem* previousInstance_ = nullptr;
  std::unordered_map<WindowHandle, Window*> windows_;
  std::vector<Window*> topLevels_;  // bottom to top
  WindowHandle nextHandle_ = 0x10000;
  std::deque<Posted> posted_;
  std::vector<Timer> timers_;
  std::uint64_t timerOrder_ = 0;
  bool quit_ = false;
  int exitCode_ = 0;
  int loopDepth_ = 0;
  std::function<void()> idleHandler_;

  WindowHandle focus_ = 0;
  WindowHandle active_ = 0;
  WindowHandle capture_ = 0;
  bool implicitCapture_ = false;
  WindowHandle hover_ = 0;
  Point cursor_;
  CursorShape cursorShape_ = CursorShape::Arrow;
  unsigned modifiers_ = 0;
  unsigned buttons_ = 0;
  struct LastClick {
    WindowHandle window = 0;
    MouseButton button = MouseButton::Left;
    TimeMs time = 0;
    Point screen;
  } lastClick_;
  FrameTracking frameTracking_;

  std::vector<std::function<void(const InputEvent&)>> inputObservers_;
  std::map<int, std::function<bool(const InputEvent&)>> inputFilters_;
  int nextFilterId_ = 1;
  bool menuKeyAlone_ = false;  // Alt went down and nothing else happened since: its release opens the menu
  std::map<int, WindowHook> hooks_;
  int nextHookId_ = 1;
  std::unordered_map<WindowHandle, Region> presentPending_;
  DesktopIdentity identity_;
  std::vector<WindowHandle> taskbarWindows_;
  WindowHandle splashWindow_ = 0;
  std::unique_ptr<MinimizedBars> minimizedBars_;  // made when first needed
  bool maybeInvalid_ = true;  // some window may wait for painting (set by every invalidation)
};

}  // namespace tavra
