#include "skin/hints/TsBalloonHintWindow.h"

#include <cmath>

#include "gfx/Canvas.h"
#include "skin/hints/HintPixels.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsHintManager.h"

namespace tavra {

Rect TsBalloonHintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
  Rect r = TsCustomHintWindow::CalcHintRect(maxWidth, hint, data);
  if (!hasManager() || usesSkinData()) return r;
  r.bottom += kind().ExOffset;
  TsEllipseHintWindow::growToEnclose(r, ExtraWidth, ExtraHeight);
  return r;
}

Rect TsBalloonHintWindow::BodyRect() {
  if (!hasManager() || usesSkinData()) return TsCustomHintWindow::BodyRect();
  return bandedBodyRect();
}

Rect TsBalloonHintWindow::bubbleRect(const Rect& body, Point tail, int k) {
  const int w = body.width() / (kBubbleDivisor * k);
  const int h = body.height() / (kBubbleDivisor * k);
  const double cx = body.left + body.width() / 2.0, cy = body.top + body.height() / 2.0;
  const double rx = body.width() / 2.0, ry = body.height() / 2.0;
  // The trail leaves the ellipse halfway between its middle and its end on the tail's side, at
  // the edge that faces the tail, so that it runs diagonally out of the band.
  const double sx = tail.x < cx ? -1.0 : 1.0, sy = tail.y < cy ? -1.0 : 1.0;
  const double ex = cx + sx * rx / 2, ey = cy + sy * ry * std::sqrt(0.75);
  const double f = (k - 0.5) / kBubbleCount;
  const int bx = static_cast<int>(std::lround(ex + (tail.x - ex) * f));
  const int by = static_cast<int>(std::lround(ey + (tail.y - ey) * f));
  return Rect::fromSize(bx - w / 2, by - h / 2, w, h);
}

void TsBalloonHintWindow::FillShape(Canvas& canvas, Point shift, int inset, Color grey) {
  const Rect body = BodyRect();
  const Rect oval = body.offsetBy(shift).inflatedBy(-inset, -inset);
  if (!oval.isEmpty()) canvas.fillEllipse(oval, grey);
  for (int k = 1; k <= kBubbleCount; ++k) {
    const Rect bubble = bubbleRect(body, TailPoint(), k).offsetBy(shift).inflatedBy(-inset, -inset);
    if (bubble.width() > 0 && bubble.height() > 0) canvas.fillEllipse(bubble, grey);
  }
}

Bitmap TsBalloonHintWindow::MakeMask() {
  if (usesSkinData()) return TsCustomHintWindow::MakeMask();
  return shapeMask(insideGrey(true));
}

Bitmap TsBalloonHintWindow::MakeBody() {
  if (usesSkinData()) return TsCustomHintWindow::MakeBody();
  return composeBody({0, 0, width(), height()});
}

void TsBalloonHintWindow::PaintBevel(Bitmap& bitmap) {
  if (usesSkinData() || kind().BevelWidth <= 0) return;
  EdgeBevel(bitmap, MakeMask(), kind().ColorBorderTop, kind().ColorBorderBottom);
}

void TsBalloonHintWindow::PaintShadow(Bitmap& canvas) {
  if (usesSkinData()) return;
  const TsHintKind& k = kind();
  const int off = k.ShadowOffset;
  const Bitmap rings = ringedShadowMask(skinpx::clamp255(k.EffectiveShadowTransparency() * 256 / 100), {0, 0});
  Bitmap mask = NewBitmap24(width(), height());
  mask.fill(pixelFromColor(clWhite));
  mask.copyFrom(rings, {0, 0, width() - off, height() - off}, off, off);
  MultiplyByMask(canvas, mask, k.ShadowColor());
}

}  // namespace tavra
