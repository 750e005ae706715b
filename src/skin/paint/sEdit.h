#pragma once
// The skinned edit. It is bound to its section and answers the skin engine's commands; its own
// skinned look is not drawn yet, so it paints as the framework's edit.
#include "framework/Edit.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsBoundControl.h"

namespace tavra {

class TsEdit : public TsBoundControl<TEdit> {
 public:
  explicit TsEdit(TComponent* owner) : TsBoundControl(owner, ControlKind::Edit) {}
};

}  // namespace tavra
