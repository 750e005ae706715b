#include "winsys/SdlKeyMap.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

#include "winsys/Keys.h"

namespace tavra {
namespace {

struct KeyCase {
  const char* what;
  SDL_Keycode key;
  SDL_Scancode scancode;
  NumLock numLock;
  unsigned expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class SdlKeyMapTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(SdlKeyMapTest, MapsToVirtualKey) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(virtualKeyFromSdl(c.key, c.scancode, c.numLock), c.expected) << c.what;
}

constexpr SDL_Keycode kCyrillicEf = 0x0444;  // what the A key types under a Russian layout

INSTANTIATE_TEST_SUITE_P(
    Keys, SdlKeyMapTest,
    ::testing::Values(
        KeyCase{"letter", SDLK_a, SDL_SCANCODE_A, NumLock::On, VK_A},
        KeyCase{"last letter", SDLK_z, SDL_SCANCODE_Z, NumLock::On, VK_Z},
        KeyCase{"letter of a Latin layout follows the layout", SDLK_q, SDL_SCANCODE_A, NumLock::On, VK_A + ('Q' - 'A')},
        KeyCase{"letter of a Cyrillic layout follows the place", kCyrillicEf, SDL_SCANCODE_A, NumLock::On, VK_A},
        KeyCase{"letter key without keycode", SDLK_UNKNOWN, SDL_SCANCODE_C, NumLock::On, VK_C},
        KeyCase{"digit 1", SDLK_1, SDL_SCANCODE_1, NumLock::On, VK_0 + 1},
        KeyCase{"digit 9", SDLK_9, SDL_SCANCODE_9, NumLock::On, VK_9},
        KeyCase{"digit 0", SDLK_0, SDL_SCANCODE_0, NumLock::On, VK_0},
        KeyCase{"digit row of a layout typing symbols", SDLK_AMPERSAND, SDL_SCANCODE_1, NumLock::On, VK_0 + 1},
        KeyCase{"F1", SDLK_F1, SDL_SCANCODE_F1, NumLock::On, VK_F1},
        KeyCase{"F10", SDLK_F10, SDL_SCANCODE_F10, NumLock::On, VK_F10},
        KeyCase{"F12", SDLK_F12, SDL_SCANCODE_F12, NumLock::On, VK_F12},
        KeyCase{"left", SDLK_LEFT, SDL_SCANCODE_LEFT, NumLock::On, VK_LEFT},
        KeyCase{"down", SDLK_DOWN, SDL_SCANCODE_DOWN, NumLock::On, VK_DOWN},
        KeyCase{"home", SDLK_HOME, SDL_SCANCODE_HOME, NumLock::On, VK_HOME},
        KeyCase{"page down", SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, NumLock::On, VK_NEXT},
        KeyCase{"delete", SDLK_DELETE, SDL_SCANCODE_DELETE, NumLock::On, VK_DELETE},
        KeyCase{"backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, NumLock::On, VK_BACK},
        KeyCase{"tab", SDLK_TAB, SDL_SCANCODE_TAB, NumLock::On, VK_TAB},
        KeyCase{"enter", SDLK_RETURN, SDL_SCANCODE_RETURN, NumLock::On, VK_RETURN},
        KeyCase{"keypad enter", SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, NumLock::On, VK_RETURN},
        KeyCase{"escape", SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, NumLock::On, VK_ESCAPE},
        KeyCase{"space", SDLK_SPACE, SDL_SCANCODE_SPACE, NumLock::On, VK_SPACE},
        KeyCase{"right shift", SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, NumLock::On, VK_SHIFT},
        KeyCase{"left control", SDLK_LCTRL, SDL_SCANCODE_LCTRL, NumLock::On, VK_CONTROL},
        KeyCase{"right alt", SDLK_RALT, SDL_SCANCODE_RALT, NumLock::On, VK_MENU},
        KeyCase{"keypad 7 with Num Lock", SDLK_KP_7, SDL_SCANCODE_KP_7, NumLock::On, VK_NUMPAD0 + 7},
        KeyCase{"keypad 7 without Num Lock", SDLK_KP_7, SDL_SCANCODE_KP_7, NumLock::Off, VK_HOME},
        KeyCase{"keypad 0 without Num Lock", SDLK_KP_0, SDL_SCANCODE_KP_0, NumLock::Off, VK_INSERT},
        KeyCase{"keypad point with Num Lock", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, NumLock::On, VK_DECIMAL},
        KeyCase{"keypad point without Num Lock", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, NumLock::Off, VK_DELETE},
        KeyCase{"keypad plus either way", SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, NumLock::Off, VK_ADD},
        KeyCase{"punctuation by place", SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, NumLock::On, VK_OEM_1},
        KeyCase{"unknown key", SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, NumLock::On, 0u},
        KeyCase{"media key", SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY, NumLock::On, 0u}),
    [](const ::testing::TestParamInfo<KeyCase>& info) {
      std::string name;
      for (const char* c = info.param.what; *c; ++c) name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
      return name;
    });

TEST(SdlModifiers, MapsEachSideOfEachModifier) {
  EXPECT_EQ(modifiersFromSdl(KMOD_NONE), 0u);
  EXPECT_EQ(modifiersFromSdl(KMOD_LSHIFT), unsigned{kModShift});
  EXPECT_EQ(modifiersFromSdl(KMOD_RSHIFT), unsigned{kModShift});
  EXPECT_EQ(modifiersFromSdl(KMOD_RCTRL), unsigned{kModControl});
  EXPECT_EQ(modifiersFromSdl(KMOD_LALT), unsigned{kModAlt});
  EXPECT_EQ(modifiersFromSdl(KMOD_LCTRL | KMOD_RALT | KMOD_LSHIFT), unsigned{kModShift | kModControl | kModAlt});
  // Lock keys are no modifiers.
  EXPECT_EQ(modifiersFromSdl(KMOD_NUM | KMOD_CAPS), 0u);
}

}  // namespace
}  // namespace tavra
