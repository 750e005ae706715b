#pragma once
// The skinned bar container: a box of controls along a form's edge, painted with its section
// (BAR); unbound, the framework's scroll box.
#include "framework/controls/ScrollBox.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsSkinnedContainer.h"

namespace tavra {

class TsFrameBar : public TsSkinnedContainer<TScrollBox> {
 public:
  explicit TsFrameBar(TComponent* owner) : TsSkinnedContainer(owner, ControlKind::FrameBar) {}
};

}  // namespace tavra
