#pragma once
// A menu item's shortcut: a key and the modifiers held with it, and the text a menu shows for it
// right of the caption ("Ctrl+C", "Alt+F4", "Alt+Left").
#include <string>

#include "framework/core/Control.h"

namespace tavra {

struct TShortCut {
  unsigned key = 0;        // a virtual key code; 0: no shortcut
  TShiftState shift = 0;   // ssCtrl, ssShift, ssAlt; other flags are not part of a shortcut

  bool empty() const { return key == 0; }
  // A key pressed with these modifiers (mouse buttons in `pressed` do not count).
  bool matches(unsigned pressedKey, TShiftState pressed) const;
  bool operator==(const TShortCut&) const = default;
};

// The text form: the modifiers in the order Ctrl, Shift, Alt, each followed by "+", then the
// key's name; empty without a key.
std::string ShortCutToText(const TShortCut& shortCut);

}  // namespace tavra
