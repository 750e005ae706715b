#pragma once
// The ellipse hint: an ellipse grown to enclose the text box, with a triangular tail to the
// anchor's corner in a band ExOffset pixels high.
#include "skin/hints/TsCustomHintWindow.h"

namespace tavra {

class TsEllipseHintWindow : public TsCustomHintWindow {
 public:
  explicit TsEllipseHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

  Rect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
  void PaintShadow(Bitmap& canvas) override;
  Rect BodyRect() override;
  Bitmap MakeMask() override;
  Bitmap MakeBody() override;
  void PaintBevel(Bitmap& bitmap) override;

  // Grows a w × h box (in place) to give an ellipse drawn in it room around the text: with
  // d = √(w² + h²) − w, ExtraWidth := round(w × d / h) and ExtraHeight := round(d × h / w).
  static void growToEnclose(Rect& r, int& extraWidth, int& extraHeight);

 protected:
  void FillShape(Canvas& canvas, Point shift, int inset, Color grey) override;
};

}  // namespace tavra
