#pragma once
// Where an effect label takes its text colour from: its own Color property (ktStandard), the
// kind colour (ktCustom), or the skin's text contour colour with the kind colour as fallback
// (ktSkin). Setters repaint the owning label when the value changes.
#include "base/Color.h"

namespace tavra {

class TControl;

enum class TsKindType { ktStandard = 0, ktCustom = 1, ktSkin = 2 };

class TsKind {
 public:
  explicit TsKind(TControl& owner) : owner_(owner) {}
  TsKind(const TsKind&) = delete;
  TsKind& operator=(const TsKind&) = delete;

  TsKindType kindType() const { return kindType_; }
  void setKindType(TsKindType k);
  Color color() const { return color_; }
  void setColor(Color c);

 private:
  TControl& owner_;
  TsKindType kindType_ = TsKindType::ktSkin;
  Color color_ = clWhite;
};

}  // namespace tavra
