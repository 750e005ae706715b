#include "skin/binding/TsAnimTimer.h"

#include "framework/core/Application.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/binding/ButtonFades.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

TsAnimTimer::TsAnimTimer(TsCommonData& binding) : TTimer(nullptr), Binding(&binding) {
  setEnabled(false);
  setInterval(kStepInterval);
  OnTimer = [this](TComponent&) { animStep(); };
}

void TsAnimTimer::start(int iterations, int firstStep) {
  StartImage = Binding->CacheBitmap;
  Frame = Bitmap();
  Iterations = iterations;
  Step = firstStep;
  setEnabled(true);
}

bool TsAnimTimer::animStep() {
  if (Drawing) return true;
  TControl& control = Binding->owner();
  if (control.isDestroying() || (TApplication::exists() && Application().Terminated())) return false;
  if (Step < 0 || Step > Iterations) {
    // The button stops this timer and paints normally.
    sendSkinCommand(control, SKC_FADEDONE);
    return false;
  }
  {
    ScopedSkinFlag drawing(Drawing);
    blendFadeStep(StartImage, Binding->CacheBitmap, fadeStartWeight(Step, Iterations), Frame);
    sendSkinCommand(control, SKC_SETHELD, 0, 0);
    sendSkinCommand(control, SKC_ANIMSTEP);
  }
  ++Step;
  return true;
}

}  // namespace tavra
