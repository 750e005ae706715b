#pragma once
// A skinned windowed control that holds windowless children (labels, speed buttons): while bound
// it composes them off-screen over its background and puts each on screen in one copy, so the
// cache never shows under a child that is still to paint.
#include "skin/controls/TsSkinnedControl.h"
#include "skin/binding/WindowlessComposer.h"

namespace tavra {

template <typename Base>
class TsSkinnedContainer : public TsSkinnedControl<Base> {
 public:
  TsSkinnedContainer(TComponent* owner, int kind) : TsSkinnedControl<Base>(owner, kind) {}

 protected:
  void PaintWindowlessChildren(Canvas& canvas) override {
    if (!this->paintsSkinned()) {
      Base::PaintWindowlessChildren(canvas);
      return;
    }
    // The children show the cache the container has just put on screen around them.
    windowless_.paintOverCache(*this, canvas, this->SkinData.CacheBitmap, ClientOffsetIn(*this));
  }

 private:
  WindowlessComposer windowless_;
};

}  // namespace tavra
