#pragma once
// The skinned edit: its section (EDIT) composed over the parent's background in a cache the
// window's size, hot while the mouse is over it or it has the focus; the client area shows the
// cache under the text, the frame its border band. Text, caret, selection and password
// characters are the framework edit's, in the section's text colours and, enabled and without
// CustomFont, over the section's text contours as WriteSkinText draws them. Disabled, the cache
// gets the DisabledKind effect. Unbound, the framework's edit.
#include <memory>

#include "framework/controls/Edit.h"
#include "skin/binding/BindingPainting.h"
#include "skin/binding/ControlKinds.h"
#include "skin/binding/TsBoundControl.h"
#include "skin/labels/TsBoundLabel.h"

namespace tavra {

class TsEdit : public TsBoundControl<TEdit> {
 public:
  explicit TsEdit(TComponent* owner);
  ~TsEdit() override;

  unsigned disabledKind() const { return disabledKind_; }
  void setDisabledKind(unsigned kinds);
  // The label bound to the edit (inactive unless switched on).
  TsBoundLabel& BoundLabel() { return *boundLabel_; }

  void WndProc(TMessage& msg) override;

 protected:
  void PaintTextBackground(Canvas& canvas, const Rect& client) override;
  Color textInk() const override;
  void PaintTextContour(Canvas& canvas, Point origin, const std::string& shown) override;

 private:
  int skinState() const { return SkinData.ShowsHot() ? 1 : 0; }
  void composeCache();
  void composeIfStale();

  unsigned disabledKind_ = dkBlended;
  int composedState_ = -1;
  bool composedEnabled_ = true;
  std::unique_ptr<TsBoundLabel> boundLabel_;
};

}  // namespace tavra
