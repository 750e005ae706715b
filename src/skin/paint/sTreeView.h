#pragma once
// The skinned tree view. It is bound to its section and answers the skin engine's commands; its own
// skinned look is not drawn yet, so it paints as the framework's tree view.
#include "framework/TreeView.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsBoundControl.h"

namespace tavra {

class TsTreeView : public TsBoundControl<TTreeView> {
 public:
  explicit TsTreeView(TComponent* owner) : TsBoundControl(owner, ControlKind::TreeView) {}
};

}  // namespace tavra
