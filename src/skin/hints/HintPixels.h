#pragma once
// The per-pixel passes of the hint windows, on 24-bit bitmaps through their rows. Masks are
// white outside a shape and black inside it; greys between are partly inside.
#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"

namespace tavra {

// Every channel of b := ((b − c) × m + c × 256) shr 8, m being the mask's value in that channel:
// white keeps b (nearly), a grey g pulls b towards c. Nothing happens when the sizes differ.
void MultiplyByMask(Bitmap& bitmap, const Bitmap& mask, Color c);

// Outlines the shape of `mask` on `bitmap` (same size, otherwise nothing): an inside pixel
// (red + green + blue < 765) on the image's top or left edge, or with its left or upper neighbour
// outside, takes `top`; otherwise one on the right or bottom edge, or with its right or lower
// neighbour outside, takes `bottom`.
void EdgeBevel(Bitmap& bitmap, const Bitmap& mask, Color top, Color bottom);

// A soft-edged shadow of colour c darkening the rectangle r of `bitmap`: a core in grey
// D = t × 255 div 100, then rings of b pixels (limited to half the size) rising towards white,
// the corners rounded by r' pixels; the result is multiplied into the bitmap through the rings.
void PaintSoftShadow(Bitmap& bitmap, const Rect& r, int transparency, int cornerSize, int blur, Color c);

// canvas := ((canvas − body) × mask + body × 256) shr 8 per channel over the common area: the
// mask's white keeps the canvas, its black shows the body.
void ComposeThroughMask(Bitmap& canvas, const Bitmap& body, const Bitmap& mask);

// The image of a per-pixel alpha window: inside the shape (mask's blue below 255) the body's
// pixel, opaque; outside black whose alpha is 255 − the shadow canvas' blue there (premultiplied).
Bitmap ComposeLayer(const Bitmap& body, const Bitmap& mask, const Bitmap& shadow);

// The whole rectangle of the mask minus every run of pixels of `outside`.
Region RegionFromMask(const Bitmap& mask, Color outside);

}  // namespace tavra
