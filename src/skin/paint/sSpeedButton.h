#pragma once
// The skinned speed button: its section (SPEEDBUTTON) in the normal, hot or pressed state with
// its glyph and caption over it; unbound, the framework's speed button.
#include "framework/SpeedButton.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsSkinnedControl.h"

namespace tavra {

class TsSpeedButton : public TsSkinnedControl<TSpeedButton> {
 public:
  explicit TsSpeedButton(TComponent* owner) : TsSkinnedControl(owner, ControlKind::SpeedButton) {}

 protected:
  int skinState() const override;
  void paintContent(Canvas& cache, int state) override;
};

}  // namespace tavra
