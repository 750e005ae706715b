#pragma once
// A menu: a root item holding the items, an image list for their pictures, the owner-draw
// switch that hands measuring and drawing to the items' events, and the dispatch of the items'
// shortcuts.
#include <memory>

#include "framework/menus/MenuItem.h"

namespace tavra {

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;

  TMenuItem& Items() { return *items_; }
  const TMenuItem& Items() const { return *items_; }
  TImageList* images() const { return images_; }
  void setImages(TImageList* images);
  bool ownerDraw() const { return ownerDraw_; }
  void setOwnerDraw(bool on);

  // The visible item, at any depth, whose shortcut is this key press; null when none.
  TMenuItem* FindShortCut(unsigned key, TShiftState shift) const;
  // A key press that is an item's shortcut chooses the item: its submenu parents' clicks run
  // first (as when the submenus open), then its own. False, and nothing runs, when no item has
  // the shortcut or the item or one of its parents is disabled.
  bool IsShortCut(unsigned key, TShiftState shift);

  TNotifyEvent OnChange;
  // An item of the menu changed (caption, visibility, picture, structure).
  virtual void itemsChanged();

 protected:
  // Runs before a shortcut is checked against its item's state (a popup menu brings its items'
  // state up to date, as it does before it shows).
  virtual void prepareShortCut() {}

 private:
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
};

}  // namespace tavra
