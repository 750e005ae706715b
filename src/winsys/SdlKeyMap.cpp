#include "winsys/SdlKeyMap.h"

#include <array>
#include <utility>

#include "winsys/Keys.h"

namespace tavra {
namespace {

// Keys that mean the same on every layout.
constexpr std::array<std::pair<SDL_Scancode, unsigned>, 49> kPlaceKeys{{
    {SDL_SCANCODE_BACKSPACE, VK_BACK},     {SDL_SCANCODE_TAB, VK_TAB},
    {SDL_SCANCODE_RETURN, VK_RETURN},      {SDL_SCANCODE_KP_ENTER, VK_RETURN},
    {SDL_SCANCODE_ESCAPE, VK_ESCAPE},      {SDL_SCANCODE_SPACE, VK_SPACE},
    {SDL_SCANCODE_PAGEUP, VK_PRIOR},       {SDL_SCANCODE_PAGEDOWN, VK_NEXT},
    {SDL_SCANCODE_END, VK_END},            {SDL_SCANCODE_HOME, VK_HOME},
    {SDL_SCANCODE_LEFT, VK_LEFT},          {SDL_SCANCODE_UP, VK_UP},
    {SDL_SCANCODE_RIGHT, VK_RIGHT},        {SDL_SCANCODE_DOWN, VK_DOWN},
    {SDL_SCANCODE_INSERT, VK_INSERT},      {SDL_SCANCODE_DELETE, VK_DELETE},
    {SDL_SCANCODE_LSHIFT, VK_SHIFT},       {SDL_SCANCODE_RSHIFT, VK_SHIFT},
    {SDL_SCANCODE_LCTRL, VK_CONTROL},      {SDL_SCANCODE_RCTRL, VK_CONTROL},
    {SDL_SCANCODE_LALT, VK_MENU},          {SDL_SCANCODE_RALT, VK_MENU},
    {SDL_SCANCODE_LGUI, VK_LWIN},          {SDL_SCANCODE_RGUI, VK_RWIN},
    {SDL_SCANCODE_APPLICATION, VK_APPS},   {SDL_SCANCODE_PAUSE, VK_PAUSE},
    {SDL_SCANCODE_CAPSLOCK, VK_CAPITAL},   {SDL_SCANCODE_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDL_SCANCODE_SCROLLLOCK, VK_SCROLL},  {SDL_SCANCODE_PRINTSCREEN, VK_SNAPSHOT},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},   {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},  {SDL_SCANCODE_KP_PLUS, VK_ADD},
    {SDL_SCANCODE_SEMICOLON, VK_OEM_1},    {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
    {SDL_SCANCODE_COMMA, VK_OEM_COMMA},    {SDL_SCANCODE_MINUS, VK_OEM_MINUS},
    {SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},  {SDL_SCANCODE_SLASH, VK_OEM_2},
    {SDL_SCANCODE_GRAVE, VK_OEM_3},        {SDL_SCANCODE_LEFTBRACKET, VK_OEM_4},
    {SDL_SCANCODE_BACKSLASH, VK_OEM_5},    {SDL_SCANCODE_RIGHTBRACKET, VK_OEM_6},
    {SDL_SCANCODE_APOSTROPHE, VK_OEM_7},   {SDL_SCANCODE_NONUSBACKSLASH, VK_OEM_102},
    {SDL_SCANCODE_NONUSHASH, VK_OEM_5},    {SDL_SCANCODE_MENU, VK_APPS},
    {SDL_SCANCODE_CLEAR, VK_CLEAR},
}};

// The numeric keypad: digits while Num Lock is on, cursor keys while it is off.
struct KeypadKey {
  SDL_Scancode scancode;
  unsigned withNumLock;
  unsigned withoutNumLock;
};
constexpr std::array<KeypadKey, 11> kKeypad{{
    {SDL_SCANCODE_KP_0, VK_NUMPAD0 + 0, VK_INSERT}, {SDL_SCANCODE_KP_1, VK_NUMPAD0 + 1, VK_END},
    {SDL_SCANCODE_KP_2, VK_NUMPAD0 + 2, VK_DOWN},   {SDL_SCANCODE_KP_3, VK_NUMPAD0 + 3, VK_NEXT},
    {SDL_SCANCODE_KP_4, VK_NUMPAD0 + 4, VK_LEFT},   {SDL_SCANCODE_KP_5, VK_NUMPAD0 + 5, VK_CLEAR},
    {SDL_SCANCODE_KP_6, VK_NUMPAD0 + 6, VK_RIGHT},  {SDL_SCANCODE_KP_7, VK_NUMPAD0 + 7, VK_HOME},
    {SDL_SCANCODE_KP_8, VK_NUMPAD0 + 8, VK_UP},     {SDL_SCANCODE_KP_9, VK_NUMPAD0 + 9, VK_PRIOR},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE},
}};

}  // namespace

unsigned virtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, NumLock numLock) {
  if (key >= SDLK_a && key <= SDLK_z) return VK_A + static_cast<unsigned>(key - SDLK_a);
  // A letter key that types no ASCII character (a Cyrillic layout) is named by its place.
  bool letterPlace = scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z;
  if (letterPlace && (key > 0x7F || key == SDLK_UNKNOWN)) return VK_A + static_cast<unsigned>(scancode - SDL_SCANCODE_A);
  // SDL numbers the digit row 1…9, 0.
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return VK_0 + 1 + static_cast<unsigned>(scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return VK_0;
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return VK_F1 + static_cast<unsigned>(scancode - SDL_SCANCODE_F1);
  for (const KeypadKey& k : kKeypad) {
    if (k.scancode == scancode) return numLock == NumLock::On ? k.withNumLock : k.withoutNumLock;
  }
  for (const auto& [code, vk] : kPlaceKeys) {
    if (code == scancode) return vk;
  }
  return 0;
}

unsigned modifiersFromSdl(unsigned sdlMod) {
  unsigned mods = 0;
  if (sdlMod & KMOD_SHIFT) mods |= kModShift;
  if (sdlMod & KMOD_CTRL) mods |= kModControl;
  if (sdlMod & KMOD_ALT) mods |= kModAlt;
  return mods;
}

}  // namespace tavra
