#include "framework/menus/Menu.h"


namespace tavra {

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(this)) { items_->menu_ = this; }

TMenu::~TMenu() {
  setState(csDestroying);
  items_.reset();
}

void TMenu::setImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  itemsChanged();
}

void TMenu::setOwnerDraw(bool on) {
  if (on == ownerDraw_) return;
  ownerDraw_ = on;
  itemsChanged();
}

void TMenu::itemsChanged() {
  if (isDestroying()) return;
  if (OnChange) OnChange(*this);
}

}  // namespace tavra
