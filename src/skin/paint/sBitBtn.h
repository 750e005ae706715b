#pragma once
// The skinned bit button: its section (BUTTON) in the normal, hot or pressed state, its glyph
// and its caption in the section's text colours; unbound, the framework's bit button.
#include "framework/BitBtn.h"
#include "skin/paint/ControlKinds.h"
#include "skin/paint/TsSkinnedControl.h"

namespace tavra {

class TsBitBtn : public TsSkinnedControl<TBitBtn> {
 public:
  explicit TsBitBtn(TComponent* owner) : TsSkinnedControl(owner, ControlKind::BitBtn) {}

  // A focused button shows a dotted frame around its text, `focusMargin` pixels out, where its
  // section allows one.
  bool showFocus() const { return showFocus_; }
  void setShowFocus(bool on);
  int focusMargin() const { return focusMargin_; }
  void setFocusMargin(int margin);

 protected:
  int skinState() const override;
  void paintContent(Canvas& cache, int state) override;

 private:
  bool showFocus_ = true;
  int focusMargin_ = 1;
};

}  // namespace tavra
