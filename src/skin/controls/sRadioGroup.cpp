#include "skin/controls/sRadioGroup.h"

#include "skin/controls/sRadioButton.h"

namespace tavra {
namespace {

// An item button: checking it makes it the group's item.
class TsGroupRadioButton : public TsRadioButton {
 public:
  TsGroupRadioButton(TComponent* owner, TCustomRadioGroup& group) : TsRadioButton(owner), group_(group) {}
  void Click() override { group_.buttonChecked(*this); }

 private:
  TCustomRadioGroup& group_;
};

}  // namespace

TRadioButton& TsRadioGroup::makeButton() { return make<TsGroupRadioButton>(*this); }

}  // namespace tavra
