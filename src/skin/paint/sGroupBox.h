#pragma once
// The skinned group box. It is bound to its section and answers the skin
// engine's commands, paints as the framework's group box and keeps the settings of its
// skinned caption (layout, vertical offset, the section behind the caption) for the skin engine.
#include <string>

#include "framework/GroupBox.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsBoundControl.h"

namespace tavra {

enum class TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

class TsGroupBox : public TsBoundControl<TGroupBox> {
 public:
  explicit TsGroupBox(TComponent* owner) : TsBoundControl(owner, ControlKind::GroupBox) {}
  TsCaptionLayout CaptionLayout = TsCaptionLayout::clTopLeft;
  int CaptionYOffset = 0;
  std::string CaptionSkin;
};

}  // namespace tavra
