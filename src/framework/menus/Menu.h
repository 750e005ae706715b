#pragma once
// A menu: a root item holding the items, an image list for their pictures, and the owner-draw
// switch that hands measuring and drawing to the items' events.
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

  TNotifyEvent OnChange;
  // An item of the menu changed (caption, visibility, picture, structure).
  virtual void itemsChanged();

 private:
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  bool ownerDraw_ = false;
};

}  // namespace tavra
