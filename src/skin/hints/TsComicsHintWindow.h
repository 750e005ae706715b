#pragma once
// The comics hint: a rounded box (corner ellipses Radius × Radius) with a triangular tail from
// the box's middle to the anchor's corner, in a band ExOffset pixels high above or below the box.
#include "skin/hints/TsCustomHintWindow.h"

namespace tavra {

class TsComicsHintWindow : public TsCustomHintWindow {
 public:
  explicit TsComicsHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

  Rect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
  void PaintShadow(Bitmap& canvas) override;
  Rect BodyRect() override;
  Bitmap MakeMask() override;
  Bitmap MakeBody() override;
  void PaintBevel(Bitmap& bitmap) override;

 protected:
  void FillShape(Canvas& canvas, Point shift, int inset, Color grey) override;
};

}  // namespace tavra
