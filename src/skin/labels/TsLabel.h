#pragma once
// The plain skinned label: takes the skin's text colour only while UseSkinColor is on.
#include "skin/labels/TsCustomLabel.h"

namespace tavra {

class TsLabel : public TsCustomLabel {
 public:
  explicit TsLabel(TComponent* owner) : TsCustomLabel(owner) {}

  bool useSkinColor() const { return useSkinColor_; }
  void setUseSkinColor(bool u);

 protected:
  Font currentFont() const override;
  bool resetsFontOnSkinRemoval() const override { return useSkinColor_; }

 private:
  bool useSkinColor_ = true;
};

}  // namespace tavra
