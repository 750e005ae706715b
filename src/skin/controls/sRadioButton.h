#pragma once
// The skinned radio button (the item buttons of a skinned radio group): its section
// (RADIOBUTTON) over the parent's background, the skin's radio mark (checked, unchecked or, when
// disabled, greyed) in the hot frame while the mouse is over it or it has the focus, and its
// caption in the section's colours; unbound, the framework's radio button.
#include "framework/controls/RadioButton.h"
#include "skin/binding/ControlKinds.h"
#include "skin/controls/TsSkinnedControl.h"

namespace tavra {

class TsRadioButton : public TsSkinnedControl<TRadioButton> {
 public:
  explicit TsRadioButton(TComponent* owner) : TsSkinnedControl(owner, ControlKind::RadioButton) {}

  // The skin's mark the button shows now (a mask index; -1 when the skin has none).
  int markMask() const;
  // Where the mark and the caption go in a button of the current size.
  Rect markRect() const;
  Rect captionRect(Canvas& canvas) const;

 protected:
  void Paint() override;
  int skinState() const override { return SkinData.ShowsHot() ? 1 : 0; }
  void paintContent(Canvas& cache, int state) override;

 private:
  bool composedChecked_ = false;
};

}  // namespace tavra
