#pragma once
// The skinned group box. It behaves as the framework's group box and keeps the settings of its
// skinned caption (layout, vertical offset, the section behind the caption) for the skin engine.
#include <string>

#include "framework/GroupBox.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

enum class TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

class TsGroupBox : public TGroupBox {
 public:
  explicit TsGroupBox(TComponent* owner) : TGroupBox(owner) { SkinData.SkinSection = "GROUPBOX"; }
  TsCommonData SkinData;
  TsCaptionLayout CaptionLayout = TsCaptionLayout::clTopLeft;
  int CaptionYOffset = 0;
  std::string CaptionSkin;
};

}  // namespace tavra
