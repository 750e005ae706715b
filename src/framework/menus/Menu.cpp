#include "framework/menus/Menu.h"

#include <vector>

namespace tavra {
namespace {

TMenuItem* findShortCut(const TMenuItem& parent, unsigned key, TShiftState shift) {
  for (TMenuItem* item : parent.visibleItems()) {
    if (item->shortCut().matches(key, shift)) return item;
    if (TMenuItem* inner = findShortCut(*item, key, shift)) return inner;
  }
  return nullptr;
}

}  // namespace

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

TMenuItem* TMenu::FindShortCut(unsigned key, TShiftState shift) const {
  return key == 0 ? nullptr : findShortCut(*items_, key, shift);
}

bool TMenu::IsShortCut(unsigned key, TShiftState shift) {
  if (!FindShortCut(key, shift)) return false;
  prepareShortCut();
  // Looked up again: preparing may have changed the items.
  TMenuItem* item = FindShortCut(key, shift);
  if (!item) return false;
  std::vector<TMenuItem*> chain;
  for (TMenuItem* i = item; i && i != items_.get(); i = i->parentItem()) chain.insert(chain.begin(), i);
  for (TMenuItem* i : chain) {
    if (!i->enabled()) return false;
  }
  for (TMenuItem* i : chain) i->Click();
  return true;
}

void TMenu::itemsChanged() {
  if (isDestroying()) return;
  if (OnChange) OnChange(*this);
}

}  // namespace tavra
