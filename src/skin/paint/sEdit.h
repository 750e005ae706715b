#pragma once
// The skinned edit. It behaves as the framework's edit and names its skin section.
#include "framework/Edit.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsEdit : public TEdit {
 public:
  explicit TsEdit(TComponent* owner) : TEdit(owner) { SkinData.SkinSection = "EDIT"; }
  TsCommonData SkinData;
};

}  // namespace tavra
