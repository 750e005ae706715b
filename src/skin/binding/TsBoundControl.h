#pragma once
// A framework control bound to a skin section: it owns the binding (SkinData), and every message
// passes the binding's common handlers before the control's own handling. Its look stays the
// framework class's; TsSkinnedControl adds painting from the skin.
#include "framework/core/Control.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

template <typename Base>
class TsBoundControl : public Base {
 public:
  TsBoundControl(TComponent* owner, int kind) : Base(owner), SkinData(*this, kind) { SkinData.ApplyDefaultSection(); }

  TsCommonData SkinData;

  void WndProc(TMessage& m) override {
    if (SkinData.HandleMessage(m)) return;
    Base::WndProc(m);
  }

 protected:
  void Loaded() override {
    Base::Loaded();
    SkinData.OwnerLoaded();
  }
};

}  // namespace tavra
