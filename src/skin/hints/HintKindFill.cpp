#include "skin/hints/HintKindFill.h"

#include <algorithm>
#include <utility>

#include "framework/core/Application.h"
#include "skin/data/Gradient.h"
#include "skin/primitives/SkinPixels.h"
#include "skin/primitives/TextureFill.h"
#include "skin/hints/TsHintKind.h"

namespace tavra {

void PaintHintKindBackground(Bitmap& bitmap, const Rect& r, TsHintKind& k) {
  TsGradArray gradient;
  if (k.GradientPercent > 0) {
    Result<TsGradArray> parsed = ParseGradient(k.GradientData);
    if (!parsed) throw Exception(parsed.error());
    gradient = std::move(parsed).value();
    if (gradient.empty()) k.GradientPercent = 0;
  }
  const Color color = resolveColor(k.Color);
  bool textured = false;
  if (k.TexturePercent < 1) {
    bitmap.fillRect(r, pixelFromColor(color));
  } else {
    if (!k.Texture().isEmpty()) TileImage(bitmap, r, k.Texture(), k.Texture().bounds());
    textured = true;
  }
  if (k.GradientPercent > 0) {
    if (textured) {
      Bitmap band = NewBitmap24(r.width(), r.height());
      PaintGradient(band, band.bounds(), gradient);
      const int a = std::clamp(k.TexturePercent * 256 / 100, 0, 255);
      BlendBitmaps(bitmap, band, a, r.topLeft(), Rect{0, 0, band.width() - 1, band.height()});
    } else {
      PaintGradient(bitmap, r, gradient);
    }
  }
  const int share = k.GradientPercent + k.TexturePercent;
  if (share >= 1 && share <= 99) MixIntoRect(bitmap, r, share, color);
  else if (share != 100) bitmap.fillRect(r, pixelFromColor(color));
}


}  // namespace tavra
