#pragma once
// Where top-level windows are shown and input comes from. The window system composes every
// window into its own backing bitmap; a backend only shows those bitmaps and reports input.
#include <cstdint>
#include <optional>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "winsys/Clock.h"
#include "winsys/CursorShape.h"
#include "winsys/InputEvent.h"

namespace tavra {

class Window;
class WindowSystem;

class DisplayBackend {
 public:
  virtual ~DisplayBackend() = default;

  virtual Size desktopSize() const = 0;
  // Whole-window opacity and per-pixel alpha of top-level windows.
  virtual bool supportsOpacity() const = 0;
  virtual bool supportsPerPixelAlpha() const = 0;

  // A top-level window became visible, moved or resized, changed opacity, or was hidden.
  virtual void windowShown(Window& w) = 0;
  virtual void windowHidden(Window& w) = 0;
  virtual void windowMovedOrResized(Window& w) = 0;
  virtual void windowOpacityChanged(Window& w) = 0;
  virtual void windowRaised(Window& w) = 0;
  virtual void windowDestroyed(Window& w) = 0;
  // The window system's active top-level window (null: none), after it changed and whenever a
  // click asks for it again. A display with a keyboard focus of its own gives it to that window.
  virtual void activeWindowChanged(Window* active) { (void)active; }
  // The desktop identity, the taskbar window or the splash window changed (WindowSystem).
  virtual void desktopRolesChanged(WindowSystem& system) { (void)system; }
  // Whether the display keeps minimised windows where the user can bring them back from (the
  // taskbar or icons of a window manager). Otherwise the window system shows a bar for each.
  virtual bool keepsMinimizedWindows() const { return false; }
  // Shows the changed part (window coordinates) of a top-level window's backing bitmap.
  virtual void present(Window& w, const Bitmap& backing, const Region& changed) = 0;

  // Next pending input event, without waiting.
  virtual std::optional<InputEvent> pollEvent() = 0;
  // Waits until input arrives or the clock reaches `deadline` (no deadline: wait for input).
  // Returns false when waiting cannot make progress (a virtual clock with nothing scheduled).
  virtual bool wait(std::optional<TimeMs> deadline) = 0;

  virtual Clock& clock() = 0;
  // Where the pointer is, in screen coordinates.
  virtual Point cursorPosition() const = 0;
  virtual void setCursorCapture(bool captured) { (void)captured; }
  // The pointer's shape from now on (displays without one ignore it).
  virtual void setCursorShape(CursorShape shape) { (void)shape; }
  virtual void startTextInput() {}
  // Text for the clipboard; the backend may share it with other programs.
  virtual void setClipboardText(const std::string& text) = 0;
  virtual std::string clipboardText() const = 0;
};

}  // namespace tavra
