#include "skin/binding/TsFadeTimer.h"

#include "framework/core/Application.h"
#include "framework/core/WinControl.h"
#include "skin/manager/SkinCommands.h"
#include "skin/binding/ButtonFades.h"
#include "skin/binding/TsCommonData.h"
#include "winsys/WindowSystem.h"

namespace tavra {

TsFadeTimer::TsFadeTimer(TsCommonData& binding) : TTimer(nullptr), Binding(&binding) {
  setEnabled(false);
  setInterval(kStepInterval);
  OnTimer = [this](TComponent&) { fadeStep(); };
}

void TsFadeTimer::prepare(int iterations) {
  stop();
  StartImage = Binding->CacheBitmap;
  frame_ = Bitmap();
  Iterations = iterations;
  Step = 1;
}

void TsFadeTimer::run() {
  Direction = 1;
  setEnabled(true);
}

void TsFadeTimer::stop() {
  Direction = 0;
  setEnabled(false);
}

void TsFadeTimer::fadeStep() {
  TControl& control = Binding->owner();
  if (control.isDestroying() || (TApplication::exists() && Application().Terminated())) return;
  if (Step < 0 || Step > Iterations) {
    // Ends the fade: the button stops and frees this timer.
    sendSkinCommand(control, SKC_FADEDONE);
    return;
  }
  if (!control.enabled()) {
    stop();
    Iterations = 0;
    Binding->RequestRepaint();
    return;
  }
  blendFadeStep(StartImage, Binding->CacheBitmap, fadeStartWeight(Step, Iterations), frame_);
  if (sendSkinCommand(control, SKC_DRAWFADEFRAME, reinterpret_cast<LParam>(&frame_)) == 0 && control.isWindowed()) {
    if (Window* w = static_cast<TWinControl&>(control).window(); w && w->isShowing()) {
      auto dc = WindowSystem::instance().getDC(*w);
      dc->canvas().drawBitmap({0, 0}, frame_);
    }
  }
  ++Step;
}

}  // namespace tavra
