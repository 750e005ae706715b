#pragma once
// The skinned bar container: a box of controls along a form's edge. It behaves as the
// framework's scroll box and names its skin section.
#include "framework/ScrollBox.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsFrameBar : public TScrollBox {
 public:
  explicit TsFrameBar(TComponent* owner) : TScrollBox(owner) { SkinData.SkinSection = "BAR"; }
  TsCommonData SkinData;
};

}  // namespace tavra
