#pragma once
// The skinned radio group: a skinned group box whose item buttons are skinned radio buttons
// (RADIOBUTTON), laid out in Columns; unbound, the framework's radio group.
#include "framework/controls/RadioGroup.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsCaptionedBox.h"

namespace tavra {

class TsRadioGroup : public TsCaptionedBox<TRadioGroup> {
 public:
  explicit TsRadioGroup(TComponent* owner) : TsCaptionedBox(owner, ControlKind::GroupBox) {}

 protected:
  TRadioButton& makeButton() override;
};

}  // namespace tavra
