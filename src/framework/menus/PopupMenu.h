#pragma once
// A popup menu shown at a screen point; the menu loop runs until an item is chosen or the menu
// is dismissed, then the chosen item's click runs.
#include "framework/menus/Menu.h"

namespace tavra {

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner) : TMenu(owner) {}

  // Shows the menu with its top-left at (x, y) (moved to stay on the desktop) and returns when
  // it has closed.
  void Popup(int x, int y);
  // The component the menu was shown for, kept for the handlers.
  TComponent* popupComponent() const { return popupComponent_; }
  void setPopupComponent(TComponent* c) { popupComponent_ = c; }

  TNotifyEvent OnPopup;

 protected:
  // OnPopup runs before a shortcut is checked, so the items' state is as the menu would show it.
  void prepareShortCut() override;

 private:
  TComponent* popupComponent_ = nullptr;
};

}  // namespace tavra
