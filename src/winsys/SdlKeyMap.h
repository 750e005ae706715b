#pragma once
// Translation of SDL key and modifier codes to the virtual keys and modifier bits of key
// messages. Letters follow the layout while it is a Latin one and the key's place otherwise, so
// that Ctrl+C works under a Cyrillic layout; every other key follows its place on the keyboard.
#include <SDL.h>

namespace tavra {

enum class NumLock { Off, On };

// The virtual key of an SDL key, or 0 for keys without one.
unsigned virtualKeyFromSdl(SDL_Keycode key, SDL_Scancode scancode, NumLock numLock);
// KeyModifier bits of an SDL modifier state.
unsigned modifiersFromSdl(unsigned sdlMod);

}  // namespace tavra
