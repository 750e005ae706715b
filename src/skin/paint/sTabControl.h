#pragma once
// The skinned tab control. It is bound to its section and answers the skin engine's commands; its own
// skinned look is not drawn yet, so it paints as the framework's tab control.
#include "framework/TabControl.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsBoundControl.h"

namespace tavra {

class TsTabControl : public TsBoundControl<TTabControl> {
 public:
  explicit TsTabControl(TComponent* owner) : TsBoundControl(owner, ControlKind::TabControl) {}
};

}  // namespace tavra
