#pragma once
// The rectangular hint: a body of the HintKind fill with nested two-colour bevel rings, a soft
// rectangular shadow, and the hint 16 pixels below its anchor.
#include "skin/hints/TsCustomHintWindow.h"

namespace tavra {

class TsSimplyHintWindow : public TsCustomHintWindow {
 public:
  static constexpr int kBelowAnchor = 16;

  explicit TsSimplyHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

  Point GetAnchor() override;
  void PaintShadow(Bitmap& canvas) override;
  Bitmap MakeMask() override;
  Bitmap MakeBody() override;
  void PaintBevel(Bitmap& bitmap) override;
};

}  // namespace tavra
