#pragma once
// The skinned group box: its frame (GROUPBOX) from half the caption's height down, the caption
// on its own section (CaptionSkin) placed by CaptionLayout and CaptionYOffset; unbound, the
// framework's group box.
#include "framework/controls/GroupBox.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsCaptionedBox.h"

namespace tavra {

class TsGroupBox : public TsCaptionedBox<TGroupBox> {
 public:
  explicit TsGroupBox(TComponent* owner) : TsCaptionedBox(owner, ControlKind::GroupBox) {}
};

}  // namespace tavra
