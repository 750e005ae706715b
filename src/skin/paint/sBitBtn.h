#pragma once
// The skinned bit button. It behaves as the framework's bit button and names its skin section.
#include "framework/BitBtn.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsBitBtn : public TBitBtn {
 public:
  explicit TsBitBtn(TComponent* owner) : TBitBtn(owner) { SkinData.SkinSection = "BUTTON"; }
  TsCommonData SkinData;
};

}  // namespace tavra
