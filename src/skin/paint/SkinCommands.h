#pragma once
// The skin engine's private window message and its command codes. The command goes in the high
// word of wParam, a small argument (0 or 1) in the low word; lParam carries a pointer or value.
// Windowed controls with a window get the message through the window system's synchronous send,
// every other control directly.
#include <array>
#include <string_view>

#include "framework/Control.h"
#include "framework/ControlMessages.h"

namespace tavra {

constexpr MessageId SM_SKINCMD = 0xA100;

#define TAVRA_SKIN_COMMANDS(X) \
  X(SKC_REFRESH, 1)            \
  X(SKC_REMOVESKIN, 2)         \
  X(SKC_SETSKIN, 3)            \
  X(SKC_GETPROVIDER, 4)        \
  X(SKC_PARENTPAINTED, 6)      \
  X(SKC_ISSKINNED, 7)          \
  X(SKC_SETHELD, 8)            \
  X(SKC_GETHELD, 10)           \
  X(SKC_GETCLIPPED, 11)        \
  X(SKC_FADEDONE, 16)          \
  X(SKC_DIRTY, 17)             \
  X(SKC_ANIMSTEP, 18)          \
  X(SKC_GETVARIES, 19)         \
  X(SKC_CHILDCHANGED, 20)      \
  X(SKC_GETCOLOR, 21)          \
  X(SKC_SETCLIPPED, 22)        \
  X(SKC_PREPAREFADE, 23)       \
  X(SKC_DRAWFADEFRAME, 24)     \
  X(SKC_CONTROLCHANGED, 25)    \
  X(SKC_GETSECTIONINDEX, 26)   \
  X(SKC_MOUSEENTER, 29)        \
  X(SKC_MOUSELEAVE, 30)        \
  X(SKC_BEGINUPDATE, 31)       \
  X(SKC_ENDUPDATE, 32)         \
  X(SKC_GETBG, 34)             \
  X(SKC_SIMPLEFILL, 36)

enum SkinCommand : unsigned {
#define TAVRA_SKIN_COMMAND_ENUM(name, code) name = code,
  TAVRA_SKIN_COMMANDS(TAVRA_SKIN_COMMAND_ENUM)
#undef TAVRA_SKIN_COMMAND_ENUM
};

struct SkinCommandName {
  SkinCommand command;
  std::string_view name;
};

inline constexpr std::array kSkinCommandNames = {
#define TAVRA_SKIN_COMMAND_NAME(name, code) SkinCommandName{name, #name},
    TAVRA_SKIN_COMMANDS(TAVRA_SKIN_COMMAND_NAME)
#undef TAVRA_SKIN_COMMAND_NAME
};
static_assert(kSkinCommandNames.size() == 26);

constexpr WParam skinCommandWParam(SkinCommand command, unsigned argument = 0) { return makeWParam(argument, command); }
constexpr SkinCommand skinCommandOf(WParam wParam) { return static_cast<SkinCommand>(hiWord(wParam)); }

// Sends a command to a control the way the engine does: through the window system to a windowed
// control that has its window, directly to every other control. Returns the answer.
LResult sendSkinCommand(TControl& control, SkinCommand command, LParam lParam = 0, unsigned argument = 0);

}  // namespace tavra
