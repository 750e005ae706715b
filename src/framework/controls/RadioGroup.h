#pragma once
// A radio group: a group box holding one radio button per item of Items, laid out top to
// bottom in Columns columns. ItemIndex is the checked item (−1 none). Checking an item, by the
// user or by setting ItemIndex from code, raises OnClick; setting ItemIndex to −1 raises nothing.
#include <vector>

#include "framework/controls/GroupBox.h"
#include "framework/controls/RadioButton.h"
#include "framework/core/Strings.h"

namespace tavra {

class TCustomRadioGroup : public TCustomGroupBox {
 public:
  explicit TCustomRadioGroup(TComponent* owner);

  TStringList& Items() { return items_; }
  const TStringList& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  int Columns() const { return columns_; }
  void setColumns(int columns);
  int buttonCount() const { return static_cast<int>(buttons_.size()); }
  TRadioButton& Buttons(int index) { return *buttons_.at(static_cast<size_t>(index)); }
  // An item's button was checked: it becomes the group's ItemIndex and the group's OnClick runs.
  void buttonChecked(TRadioButton& button);

  void WndProc(TMessage& msg) override;

 protected:
  void Resize() override;
  void Loaded() override;
  // Makes the radio button of a new item, owned by the group; its Click must call
  // buttonChecked. By default a plain radio button.
  virtual TRadioButton& makeButton();

 private:
  void itemsChanged();
  void arrangeButtons();

  TStringList items_;
  std::vector<TRadioButton*> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
  bool updating_ = false;
};

class TRadioGroup : public TCustomRadioGroup {
 public:
  explicit TRadioGroup(TComponent* owner) : TCustomRadioGroup(owner) {}
};

}  // namespace tavra
