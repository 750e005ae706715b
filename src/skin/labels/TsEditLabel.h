#pragma once
// The caption label a skinned edit field attaches to itself (its bound label). It tells its
// owner when it is destroyed, so the owner never holds a label that is gone.
#include "skin/labels/TsLabel.h"

namespace tavra {

class TsEditLabel;

// Implemented by the edit field's bound-label settings that create the caption label.
class EditLabelOwner {
 public:
  virtual ~EditLabelOwner() = default;
  virtual void editLabelDestroyed(TsEditLabel& label) = 0;
};

class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(TComponent* owner, EditLabelOwner* boundLabel) : TsLabel(owner), boundLabel_(boundLabel) {}
  ~TsEditLabel() override;

  EditLabelOwner* boundLabel() const { return boundLabel_; }

 private:
  EditLabelOwner* boundLabel_ = nullptr;
};

}  // namespace tavra
