#pragma once
// Raw input as a display backend reports it, in screen coordinates.
#include <cstdint>
#include <string>
#include <utility>

#include "base/Geometry.h"

namespace tavra {

class Window;

// X1 and X2 are the side buttons that browsers take for back and forward.
enum class MouseButton { Left, Right, Middle, X1, X2 };

struct InputEvent {
  enum class Kind {
    MouseMove,
    MouseDown,
    MouseUp,
    MouseWheel,
    MouseLeftDesktop,  // the pointer left every window of the program
    KeyDown,
    KeyUp,
    Text,         // typed characters, UTF-8
    CloseRequest, // the display asks a top-level window to close
    MinimizeRequest, // the display minimised a top-level window (a shortcut of its window manager)
    RestoreRequest,  // the display brought a minimised top-level window back (its taskbar button)
    Moved,        // the window manager moved a top-level window (to `screen`, its new top-left)
    Expose,       // the display lost a window's pixels: present it again
    Quit,
  };
  Kind kind = Kind::MouseMove;
  Point screen;                       // mouse events
  MouseButton button = MouseButton::Left;
  int wheelDelta = 0;                 // multiples of 120, positive away from the user
  unsigned key = 0;                   // virtual key
  unsigned modifiers = 0;             // KeyModifier bits
  std::string text;                   // Text
  std::uint64_t window = 0;           // requests, Moved and Expose: handle of the top-level window

  static InputEvent mouse(Kind kind, Point screen, MouseButton button = MouseButton::Left, unsigned modifiers = 0) {
    InputEvent ev;
    ev.kind = kind;
    ev.screen = screen;
    ev.button = button;
    ev.modifiers = modifiers;
    return ev;
  }
  static InputEvent keyEvent(Kind kind, unsigned key, unsigned modifiers = 0) {
    InputEvent ev;
    ev.kind = kind;
    ev.key = key;
    ev.modifiers = modifiers;
    return ev;
  }
  static InputEvent typed(std::string utf8) {
    InputEvent ev;
    ev.kind = Kind::Text;
    ev.text = std::move(utf8);
    return ev;
  }
};

}  // namespace tavra
