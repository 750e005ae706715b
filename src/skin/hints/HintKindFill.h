#pragma once
// The body fill of the hint manager's own looks: the colour, the tiled texture and the gradient,
// shared out by TexturePercent and GradientPercent.
#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

class TsHintKind;

// Fills r of the bitmap: the colour (TexturePercent below 1) or the texture tiled from r's
// top-left; the gradient straight onto r, or over a textured body blended at TexturePercent ×
// 256 div 100; then the colour mixed in for the share left by GradientPercent + TexturePercent
// (1 to 99), or filled alone when the shares add up to 0 or to more than 100. A gradient text that
// does not convert throws; one that yields no step sets GradientPercent to 0.
void PaintHintKindBackground(Bitmap& bitmap, const Rect& r, TsHintKind& kind);

}  // namespace tavra
