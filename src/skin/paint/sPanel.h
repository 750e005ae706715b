#pragma once
// The skinned panel. It behaves as the framework's panel and names its skin section.
#include "framework/Panel.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsPanel : public TPanel {
 public:
  explicit TsPanel(TComponent* owner) : TPanel(owner) { SkinData.SkinSection = "PANEL"; }
  TsCommonData SkinData;
};

}  // namespace tavra
