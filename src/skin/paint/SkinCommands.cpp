#include "skin/paint/SkinCommands.h"

#include "framework/WinControl.h"

namespace tavra {

LResult sendSkinCommand(TControl& control, SkinCommand command, LParam lParam, unsigned argument) {
  WParam wParam = skinCommandWParam(command, argument);
  if (control.isWindowed()) {
    if (Window* w = static_cast<TWinControl&>(control).window()) return WindowSystem::instance().send(*w, SM_SKINCMD, wParam, lParam);
  }
  return control.Perform(SM_SKINCMD, wParam, lParam);
}

}  // namespace tavra
