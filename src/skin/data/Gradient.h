#pragma once
// Gradient texts and their painter. A text is integers separated by ";" in groups of five:
// Color1;Color2;Percent;Mode;(unused). Only the first step's Mode counts: 0 paints vertical
// bands (one colour per row), 1 horizontal bands (one colour per column), 2 smooth-shaded
// triangles from the rectangle's corners and centre.
#include <string_view>

#include "base/Geometry.h"
#include "base/Result.h"
#include "gfx/Bitmap.h"
#include "skin/data/TsGradArray.h"

namespace tavra {

// Runs of ";" count as one separator; words past the last full group of five are ignored; a
// read word that is not an integer is a conversion error. Percent is limited to 0..100.
Result<TsGradArray> ParseGradient(std::string_view text);

// Paints the steps into `rect` of `bitmap` (clipped to it). Band colours are interpolated in
// floating point and rounded to the nearest integer, halves to even.
void PaintGradient(Bitmap& bitmap, const Rect& rect, const TsGradArray& steps);

}  // namespace tavra
