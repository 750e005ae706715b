#include "skin/hints/TsSimplyHintWindow.h"

#include "gfx/Canvas.h"
#include "skin/hints/HintPixels.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/hints/TsHintManager.h"

namespace tavra {

Point TsSimplyHintWindow::GetAnchor() {
  Point p = TsCustomHintWindow::GetAnchor();
  if (!usesSkinData()) p.y += kBelowAnchor;
  return p;
}

void TsSimplyHintWindow::PaintShadow(Bitmap& canvas) {
  if (usesSkinData()) return;
  const TsHintKind& k = kind();
  const int s = k.shadowShift();
  PaintSoftShadow(canvas, {s, s, width(), height()}, k.EffectiveShadowTransparency(), 0, k.ShadowBlur, k.ShadowColor());
}

Bitmap TsSimplyHintWindow::MakeMask() {
  if (usesSkinData()) return TsCustomHintWindow::MakeMask();
  Bitmap mask = NewBitmap24(width(), height());
  mask.fill(pixelFromColor(clWhite));
  mask.fillRect(BodyRect(), pixelFromColor(clBlack));
  return mask;
}

Bitmap TsSimplyHintWindow::MakeBody() {
  if (usesSkinData()) return TsCustomHintWindow::MakeBody();
  return composeBody(BodyRect());
}

//   BevelWidth rings inside the body, the first on its edge:
//   T T T T B      T: ColorBorderTop (left column, top row)
//   T . . . B      B: ColorBorderBottom (right column, bottom row, and the
//   B B B B B         top-right and bottom-left corners)
void TsSimplyHintWindow::PaintBevel(Bitmap& bitmap) {
  if (usesSkinData()) return;
  const TsHintKind& k = kind();
  const Pixel top = pixelFromColor(resolveColor(k.ColorBorderTop));
  const Pixel bottom = pixelFromColor(resolveColor(k.ColorBorderBottom));
  const Rect body = BodyRect();
  for (int i = 0; i < k.BevelWidth; ++i) {
    const Rect ring{body.left + i, body.top + i, body.right - i, body.bottom - i};
    if (ring.isEmpty()) break;
    bitmap.fillRect({ring.left, ring.top, ring.right, ring.top + 1}, top);
    bitmap.fillRect({ring.left, ring.top, ring.left + 1, ring.bottom}, top);
    bitmap.fillRect({ring.right - 1, ring.top, ring.right, ring.bottom}, bottom);
    bitmap.fillRect({ring.left, ring.bottom - 1, ring.right, ring.bottom}, bottom);
  }
}

}  // namespace tavra
