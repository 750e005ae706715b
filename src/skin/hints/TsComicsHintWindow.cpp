#include "skin/hints/TsComicsHintWindow.h"

#include "gfx/Canvas.h"
#include "skin/hints/HintPixels.h"
#include "skin/hints/TsHintManager.h"

namespace tavra {

Rect TsComicsHintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
  Rect r = TsCustomHintWindow::CalcHintRect(maxWidth, hint, data);
  if (hasManager() && !usesSkinData()) r.bottom += kind().ExOffset;
  return r;
}

Rect TsComicsHintWindow::BodyRect() {
  if (!hasManager() || usesSkinData()) return TsCustomHintWindow::BodyRect();
  return bandedBodyRect();
}

void TsComicsHintWindow::FillShape(Canvas& canvas, Point shift, int inset, Color grey) {
  const Rect body = BodyRect();
  const Rect box = body.offsetBy(shift).inflatedBy(-inset, -inset);
  if (!box.isEmpty()) canvas.fillRoundRect(box, kind().Radius, kind().Radius, grey);
  fillTail(canvas, body, shift, inset, grey);
}

Bitmap TsComicsHintWindow::MakeMask() {
  if (usesSkinData()) return TsCustomHintWindow::MakeMask();
  return shapeMask(insideGrey(false));
}

Bitmap TsComicsHintWindow::MakeBody() {
  if (usesSkinData()) return TsCustomHintWindow::MakeBody();
  return composeBody({0, 0, width(), height()});
}

void TsComicsHintWindow::PaintBevel(Bitmap& bitmap) {
  if (usesSkinData() || kind().BevelWidth <= 0) return;
  EdgeBevel(bitmap, MakeMask(), kind().ColorBorderTop, kind().ColorBorderBottom);
}

void TsComicsHintWindow::PaintShadow(Bitmap& canvas) {
  if (usesSkinData()) return;
  const TsHintKind& k = kind();
  const int a0 = k.EffectiveShadowTransparency() * 255 / 100;
  MultiplyByMask(canvas, ringedShadowMask(a0, {k.ShadowOffset, k.ShadowOffset}), k.ShadowColor());
}

}  // namespace tavra
