#pragma once
// The thought balloon: an ellipse grown to enclose the text box and a trail of five ever smaller
// bubbles from it to the anchor's corner, in a band ExOffset pixels high.
#include "skin/hints/TsCustomHintWindow.h"

namespace tavra {

class TsBalloonHintWindow : public TsCustomHintWindow {
 public:
  static constexpr int kBubbleCount = 5;
  static constexpr int kBubbleDivisor = 4;

  explicit TsBalloonHintWindow(TComponent* owner) : TsCustomHintWindow(owner) {}

  Rect CalcHintRect(int maxWidth, const std::string& hint, void* data) override;
  void PaintShadow(Bitmap& canvas) override;
  Rect BodyRect() override;
  Bitmap MakeMask() override;
  Bitmap MakeBody() override;
  void PaintBevel(Bitmap& bitmap) override;

  // Bubble k (1 to kBubbleCount) of a balloon body: Width(body) div (4 × k) by Height(body)
  // div (4 × k), its centre (k − ½) fifths of the way from the body's edge (a quarter of the
  // width in from its end on the tail's side) to `tail`.
  static Rect bubbleRect(const Rect& body, Point tail, int k);

 protected:
  void FillShape(Canvas& canvas, Point shift, int inset, Color grey) override;
};

}  // namespace tavra
