#pragma once
// The skinned radio group. It behaves as the framework's radio group and keeps the settings of
// its skinned caption, as the skinned group box does.
#include <string>

#include "framework/RadioGroup.h"
#include "skin/paint/sCommonData.h"
#include "skin/paint/sGroupBox.h"

namespace tavra {

class TsRadioGroup : public TRadioGroup {
 public:
  explicit TsRadioGroup(TComponent* owner) : TRadioGroup(owner) { SkinData.SkinSection = "GROUPBOX"; }
  TsCommonData SkinData;
  TsCaptionLayout CaptionLayout = TsCaptionLayout::clTopLeft;
  int CaptionYOffset = 0;
  std::string CaptionSkin;
};

}  // namespace tavra
