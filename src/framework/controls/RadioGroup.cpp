#include "framework/controls/RadioGroup.h"

#include <algorithm>

namespace tavra {

// The radio buttons of a group report their checking to it.
class TGroupButton : public TRadioButton {
 public:
  TGroupButton(TComponent* owner, TCustomRadioGroup& group) : TRadioButton(owner), group_(group) {}
  void Click() override { group_.buttonChecked(*this); }

 private:
  TCustomRadioGroup& group_;
};

TCustomRadioGroup::TCustomRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  items_.OnChange = [this] { itemsChanged(); };
}

TRadioButton& TCustomRadioGroup::makeButton() { return make<TGroupButton>(*this); }

void TCustomRadioGroup::setItemIndex(int index) {
  index = std::clamp(index, -1, items_.Count() - 1);
  if (index == itemIndex_) return;
  if (itemIndex_ >= 0 && itemIndex_ < buttonCount()) {
    updating_ = true;
    buttons_[static_cast<size_t>(itemIndex_)]->setChecked(false);
    updating_ = false;
  }
  itemIndex_ = index;
  // Checking the button raises the group's click through buttonChecked.
  if (index >= 0 && index < buttonCount()) buttons_[static_cast<size_t>(index)]->setChecked(true);
}

void TCustomRadioGroup::setColumns(int columns) {
  columns = std::clamp(columns, 1, 16);
  if (columns == columns_) return;
  columns_ = columns;
  arrangeButtons();
  Invalidate();
}

void TCustomRadioGroup::buttonChecked(TRadioButton& button) {
  if (updating_) return;
  auto it = std::find(buttons_.begin(), buttons_.end(), &button);
  if (it == buttons_.end()) return;
  itemIndex_ = static_cast<int>(it - buttons_.begin());
  Click();
}

void TCustomRadioGroup::itemsChanged() {
  updating_ = true;
  while (buttonCount() > items_.Count()) {
    TRadioButton* last = buttons_.back();
    buttons_.pop_back();
    destroyComponent(*last);
  }
  while (buttonCount() < items_.Count()) {
    TRadioButton& b = makeButton();
    b.setParent(this);
    buttons_.push_back(&b);
  }
  for (int i = 0; i < buttonCount(); ++i) {
    TRadioButton& b = *buttons_[static_cast<size_t>(i)];
    b.setCaption(items_[i]);
    b.setEnabled(enabled());
  }
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  for (int i = 0; i < buttonCount(); ++i) buttons_[static_cast<size_t>(i)]->setChecked(i == itemIndex_);
  updating_ = false;
  arrangeButtons();
}

// Columns of equal width from x = 8, each holding ceil(count / Columns) buttons; the rows share
// the height below the caption line, the remainder split above and below.
void TCustomRadioGroup::arrangeButtons() {
  if (buttons_.empty() || isLoading()) return;
  int count = buttonCount();
  int perColumn = (count + columns_ - 1) / columns_;
  int buttonWidth = (width() - 10) / columns_;
  int textHeight = captionHeight();
  int spare = height() - textHeight - 5;
  int buttonHeight = spare / perColumn;
  int topMargin = textHeight + 1 + (spare % perColumn) / 2;
  for (int i = 0; i < count; ++i) {
    int left = (i / perColumn) * buttonWidth + 8;
    int top = (i % perColumn) * buttonHeight + topMargin;
    buttons_[static_cast<size_t>(i)]->setBounds(left, top, buttonWidth, buttonHeight);
  }
}

void TCustomRadioGroup::Resize() {
  arrangeButtons();
  TCustomGroupBox::Resize();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  arrangeButtons();
}

void TCustomRadioGroup::WndProc(TMessage& m) {
  TCustomGroupBox::WndProc(m);
  switch (m.Msg) {
    case CM_ENABLEDCHANGED:
      for (TRadioButton* b : buttons_) b->setEnabled(enabled());
      break;
    case CM_FONTCHANGED:
      arrangeButtons();
      break;
    default:
      break;
  }
}

}  // namespace tavra
