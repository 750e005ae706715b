#include "framework/menus/MainMenu.h"

#include "framework/core/Form.h"

namespace tavra {

TMainMenu::~TMainMenu() {
  setState(csDestroying);
  if (form_) form_->setMenu(nullptr);
}

void TMainMenu::itemsChanged() {
  if (isDestroying()) return;
  TMenu::itemsChanged();
  if (form_) form_->menuChanged();
}

}  // namespace tavra
