#pragma once
// The skinned scroll box: its section (PANEL_LOW) over the parent's background, the frame of a
// single border style painted from the same composition; unbound, the framework's scroll box.
#include "framework/controls/ScrollBox.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsSkinnedContainer.h"

namespace tavra {

class TsScrollBox : public TsSkinnedContainer<TScrollBox> {
 public:
  explicit TsScrollBox(TComponent* owner) : TsSkinnedContainer(owner, ControlKind::ScrollBox) {}
};

}  // namespace tavra
