#pragma once
// The skinned tab control. It behaves as the framework's tab control and names its skin section.
#include "framework/TabControl.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsTabControl : public TTabControl {
 public:
  explicit TsTabControl(TComponent* owner) : TTabControl(owner) { SkinData.SkinSection = "PAGECONTROL"; }
  TsCommonData SkinData;
};

}  // namespace tavra
