#include "skin/manager/SkinCommands.h"

#include "framework/core/WinControl.h"

namespace tavra {

LResult sendSkinCommand(TControl& control, SkinCommand command, LParam lParam, unsigned argument) {
  if (control.isWindowed()) {
    if (Window* w = static_cast<TWinControl&>(control).window()) return sendSkinCommand(*w, command, lParam, argument);
  }
  return control.Perform(SM_SKINCMD, skinCommandWParam(command, argument), lParam);
}

LResult sendSkinCommand(Window& window, SkinCommand command, LParam lParam, unsigned argument) {
  return window.send(SM_SKINCMD, skinCommandWParam(command, argument), lParam);
}

bool answersIsSkinned(Window& window) { return sendSkinCommand(window, SKC_ISSKINNED) == 1; }

}  // namespace tavra
