#pragma once
// The skinned radio group. It is bound to its section and answers the skin
// engine's commands, paints as the framework's radio group and keeps the settings of
// its skinned caption, as the skinned group box does.
#include <string>

#include "framework/RadioGroup.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsBoundControl.h"
#include "skin/paint/sGroupBox.h"

namespace tavra {

class TsRadioGroup : public TsBoundControl<TRadioGroup> {
 public:
  explicit TsRadioGroup(TComponent* owner) : TsBoundControl(owner, ControlKind::GroupBox) {}
  TsCaptionLayout CaptionLayout = TsCaptionLayout::clTopLeft;
  int CaptionYOffset = 0;
  std::string CaptionSkin;
};

}  // namespace tavra
