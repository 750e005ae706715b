#pragma once
// The skinned panel: its section (PANEL) with its caption centred in the section's text
// colours; unbound, the framework's panel.
#include "framework/Panel.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsSkinnedControl.h"

namespace tavra {

class TsPanel : public TsSkinnedControl<TPanel> {
 public:
  explicit TsPanel(TComponent* owner) : TsSkinnedControl(owner, ControlKind::Panel) {}

 protected:
  void paintContent(Canvas& cache, int state) override {
    if (!caption().empty()) {
      WriteSkinText(cache, caption(), enabled(), state != 0, SkinData, DT_CENTER | DT_VCENTER | DT_SINGLELINE, clientRect());
    }
  }
};

}  // namespace tavra
