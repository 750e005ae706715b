#include "framework/menus/PopupMenu.h"

#include "framework/menus/MenuTracker.h"

namespace tavra {

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(*this);
  MenuTracker::trackPopup(Items(), {x, y});
}

void TPopupMenu::prepareShortCut() {
  if (OnPopup) OnPopup(*this);
}

}  // namespace tavra
