#pragma once
// The skin engine's private window message and its command codes, one table for the manager
// that sends them and the controls, providers and adapters that answer them. The command goes in
// the high word of wParam, a small argument (0 or 1) in the low word; lParam carries a pointer or
// value (the sending manager for the skin-change commands). Windowed controls that have their
// window get the message through the window system's synchronous send, every other control
// directly.
#include <array>
#include <string_view>

#include "framework/core/Control.h"
#include "framework/core/ControlMessages.h"

namespace tavra {

class Window;

constexpr MessageId SM_SKINCMD = 0xA100;

// Private messages of the menu skinning, handled by the default manager's application window:
// lParam a menu item being drawn (its popup window is to be found), or a popup window's handle.
constexpr MessageId kMenuItemDrawnMessage = 0xBCB3;
constexpr MessageId kMenuPopupMessage = 0xBCB4;

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
static_assert(kSkinCommandNames.size() == 26, "the skin command table lists 26 named codes");

constexpr WParam skinCommandWParam(SkinCommand command, unsigned argument = 0) { return makeWParam(argument, command); }
constexpr SkinCommand skinCommandOf(WParam wParam) { return static_cast<SkinCommand>(hiWord(wParam)); }
constexpr unsigned skinCommandArgument(WParam wParam) { return loWord(wParam); }

// The name of a code ("SKC_REFRESH"), or "" for a code the table does not name.
constexpr std::string_view skinCommandName(unsigned code) {
  for (const SkinCommandName& entry : kSkinCommandNames) {
    if (entry.command == code) return entry.name;
  }
  return {};
}

// Sends a command to a control the way the engine does: through the window system to a windowed
// control that has its window, directly to every other control. Returns the answer.
LResult sendSkinCommand(TControl& control, SkinCommand command, LParam lParam = 0, unsigned argument = 0);
// Sends a command to a window through the window system.
LResult sendSkinCommand(Window& window, SkinCommand command, LParam lParam = 0, unsigned argument = 0);
// Whether the window answers 1 to SKC_ISSKINNED.
bool answersIsSkinned(Window& window);

}  // namespace tavra
