#pragma once
// Straight to premultiplied alpha: decoders give straight alpha, blending (and cairo) want it
// premultiplied.
#include "gfx/Bitmap.h"

namespace tavra {

// One pixel, with its alpha scaled by strength / 255 first (255 keeps it).
constexpr Pixel premultiplyPixel(Pixel p, unsigned strength = 255) {
  unsigned a = ((p >> 24) & 0xFF) * strength / 255;
  unsigned r = ((p >> 16) & 0xFF) * a / 255;
  unsigned g = ((p >> 8) & 0xFF) * a / 255;
  unsigned b = (p & 0xFF) * a / 255;
  return (a << 24) | (r << 16) | (g << 8) | b;
}

// A 32-bit copy with premultiplied alpha; a 24-bit bitmap becomes an opaque 32-bit copy.
Bitmap premultipliedAlpha(const Bitmap& straight, unsigned strength = 255);
// The same in place, for a 32-bit bitmap.
void premultiplyInPlace(Bitmap& bitmap);

}  // namespace tavra
