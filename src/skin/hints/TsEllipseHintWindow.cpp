#include "skin/hints/TsEllipseHintWindow.h"

#include <algorithm>
#include <cmath>

#include "gfx/Canvas.h"
#include "skin/hints/HintPixels.h"
#include "skin/hints/TsHintManager.h"

namespace tavra {

void TsEllipseHintWindow::growToEnclose(Rect& r, int& extraWidth, int& extraHeight) {
  const double w = r.width(), h = r.height();
  if (w <= 0 || h <= 0) return;
  const double d = std::sqrt(w * w + h * h) - w;
  extraWidth = static_cast<int>(std::nearbyint(w * d / h));
  extraHeight = static_cast<int>(std::nearbyint(d * h / w));
  r.right += extraWidth;
  r.bottom += extraHeight;
}

Rect TsEllipseHintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
  Rect r = TsCustomHintWindow::CalcHintRect(maxWidth, hint, data);
  if (!hasManager() || usesSkinData()) return r;
  r.bottom += kind().ExOffset;
  if (!manager().customHintFrame()) growToEnclose(r, ExtraWidth, ExtraHeight);
  return r;
}

Rect TsEllipseHintWindow::BodyRect() {
  if (!hasManager() || usesSkinData()) return TsCustomHintWindow::BodyRect();
  Rect r = bandedBodyRect();
  r.top = std::max(r.top, 0);
  r.bottom = std::min(r.bottom, height());
  return r;
}

void TsEllipseHintWindow::FillShape(Canvas& canvas, Point shift, int inset, Color grey) {
  const Rect body = BodyRect();
  const Rect oval = body.offsetBy(shift).inflatedBy(-inset, -inset);
  if (!oval.isEmpty()) canvas.fillEllipse(oval, grey);
  fillTail(canvas, body, shift, inset, grey);
}

Bitmap TsEllipseHintWindow::MakeMask() {
  if (usesSkinData()) return TsCustomHintWindow::MakeMask();
  return shapeMask(insideGrey(false));
}

Bitmap TsEllipseHintWindow::MakeBody() {
  if (usesSkinData()) return TsCustomHintWindow::MakeBody();
  return composeBody({0, 0, width(), height()});
}

void TsEllipseHintWindow::PaintBevel(Bitmap& bitmap) {
  if (usesSkinData() || kind().BevelWidth <= 0) return;
  EdgeBevel(bitmap, MakeMask(), kind().ColorBorderTop, kind().ColorBorderBottom);
}

void TsEllipseHintWindow::PaintShadow(Bitmap& canvas) {
  if (usesSkinData()) return;
  const TsHintKind& k = kind();
  const int a0 = k.EffectiveShadowTransparency() * 255 / 100;
  MultiplyByMask(canvas, ringedShadowMask(a0, {k.ShadowOffset, k.ShadowOffset}), k.ShadowColor());
}

}  // namespace tavra
