#pragma once
// A form's main menu: its top-level items make the menu bar under the form's caption.
#include "framework/menus/Menu.h"

namespace tavra {

class TCustomForm;

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  ~TMainMenu() override;

  // The form whose bar shows the menu (set by the form).
  TCustomForm* form() const { return form_; }
  void itemsChanged() override;

 private:
  friend class TCustomForm;
  TCustomForm* form_ = nullptr;
};

}  // namespace tavra
