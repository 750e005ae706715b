#pragma once
// The skinned speed button. It behaves as the framework's speed button and names its skin
// section.
#include "framework/SpeedButton.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsSpeedButton : public TSpeedButton {
 public:
  explicit TsSpeedButton(TComponent* owner) : TSpeedButton(owner) { SkinData.SkinSection = "SPEEDBUTTON"; }
  TsCommonData SkinData;
};

}  // namespace tavra
