#include "framework/menus/ShortCut.h"

#include "winsys/Keys.h"

namespace tavra {
namespace {

constexpr TShiftState kModifiers = ssCtrl | ssShift | ssAlt;

std::string keyName(unsigned key) {
  if ((key >= VK_0 && key <= VK_9) || (key >= VK_A && key <= VK_Z)) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F1 + 23) return "F" + std::to_string(key - VK_F1 + 1);
  if (key >= VK_NUMPAD0 && key <= VK_NUMPAD0 + 9) return "Num " + std::to_string(key - VK_NUMPAD0);
  switch (key) {
    case VK_BACK: return "Backspace";
    case VK_TAB: return "Tab";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    case VK_ADD: return "Num +";
    case VK_SUBTRACT: return "Num -";
    case VK_MULTIPLY: return "Num *";
    case VK_DIVIDE: return "Num /";
    case VK_OEM_PLUS: return "+";
    case VK_OEM_MINUS: return "-";
    case VK_OEM_COMMA: return ",";
    case VK_OEM_PERIOD: return ".";
    default: return {};
  }
}

}  // namespace

bool TShortCut::matches(unsigned pressedKey, TShiftState pressed) const {
  return key != 0 && pressedKey == key && (pressed & kModifiers) == (shift & kModifiers);
}

std::string ShortCutToText(const TShortCut& s) {
  const std::string name = keyName(s.key);
  if (name.empty()) return {};
  std::string text;
  if (s.shift & ssCtrl) text += "Ctrl+";
  if (s.shift & ssShift) text += "Shift+";
  if (s.shift & ssAlt) text += "Alt+";
  return text + name;
}

}  // namespace tavra
