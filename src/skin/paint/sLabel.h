#pragma once
// The skinned labels. They behave as the framework's label and name their skin section.
#include "framework/Label.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsLabel : public TLabel {
 public:
  explicit TsLabel(TComponent* owner) : TLabel(owner) {}
  TsCommonData SkinData;
};

class TsLabelFX : public TsLabel {
 public:
  explicit TsLabelFX(TComponent* owner) : TsLabel(owner) {}
};

}  // namespace tavra
