#pragma once
// How far two colours stand apart to the eye, for choosing inks that stay legible.
#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

// The contrast ratio of two colours (their relative luminances), 1 (equal) to 21 (black on white).
double ContrastRatio(Color a, Color b);
// The mean colour of the part of `r` inside `bitmap`; black when nothing of it is.
Color MeanColor(const Bitmap& bitmap, const Rect& r);

}  // namespace tavra
