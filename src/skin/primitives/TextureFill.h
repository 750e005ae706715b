#pragma once
// Texture fills of skin sections. A texture mask's StretchMode is its fill mode:
//
//   0 tiled over the whole rectangle      1 stretched over the whole rectangle
//   2 tiled along the top, one tile high  3 tiled down the left side, one tile wide
//   4 stretched across the top            5 stretched down the left side
//   6 tiled along the bottom              7 tiled down the right side
//   10 whole tile rows from the top while a row starts above bottom − tile height; the strip
//      below is left as it was
//
// Modes 8, 9 and 11 to 14 mean nothing to any skin we ship: they draw nothing and leave the whole
// rectangle to the colour, so a skin made for a newer engine still gets its section colour.
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/ClippedRows.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

// Fills `r` with the texture of `maskIndex` (or tiles `picture`, a pattern's JPEG image, when
// given) and returns the part of `r` it left for the caller's colour (empty when none). A mask
// with an image of its own, and a picture, are tiled whole whatever the mode.
Rect FillTexture(const ClippedRows& target, const Rect& r, const Bitmap* picture, int mode, const SkinModel& model,
                 int maskIndex);

// Tiles an alpha-mask texture (frame 0, combined through its opacity rows) over `r`. Mode 0:
// columns while they start inside r, the last one cut at its right edge, rows while a row starts
// above r.bottom − the tile height (the strip below the last row is not drawn). Mode 10: whole tiles only, then the strips right of the last column and below the last
// row take the view's background. Other modes draw nothing.
void FillMaskedTexture(const ClippedRows& target, const Rect& r, const TsCacheView& view, int mode, const SkinModel& model,
                       int maskIndex);

// Tiles `source`'s `sourceRect` over `r` from r's top-left, the last row and column cut.
void TileImage(const ClippedRows& target, const Rect& r, const Bitmap& source, const Rect& sourceRect);
// Stretches `source`'s `sourceRect` over `r` (nearest pixel).
void StretchImage(const ClippedRows& target, const Rect& r, const Bitmap& source, const Rect& sourceRect);

}  // namespace tavra
