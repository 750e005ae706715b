#pragma once
// The skinned tree view. It behaves as the framework's tree view and names its skin section.
#include "framework/TreeView.h"
#include "skin/paint/sCommonData.h"

namespace tavra {

class TsTreeView : public TTreeView {
 public:
  explicit TsTreeView(TComponent* owner) : TTreeView(owner) { SkinData.SkinSection = "EDIT"; }
  TsCommonData SkinData;
};

}  // namespace tavra
