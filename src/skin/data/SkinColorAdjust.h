#pragma once
// Hue rotation and saturation change of a skin's colours and images, applied after each load.
// Magenta (the transparent colour), grey colours and "no colour" (-1) values stay unchanged;
// system colours are resolved to their RGB value first.
#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace tavra {

class SkinModel;

// Rotates the hue (HSV) by `degrees`, modulo 360; value and saturation stay.
Color changeHue(Color color, int degrees);
// With m the mean of the channels, each channel c becomes round(c + amount × (m − c) / 100),
// limited to 0..255: 100 gives grey, negative amounts move away from grey.
Color changeSaturation(Color color, int amount);

// The same on every pixel (32-bit bitmaps keep their alpha).
void changeBitmapHue(Bitmap& bitmap, int degrees);
void changeBitmapSaturation(Bitmap& bitmap, int amount);

// Hue first, then saturation, each only when not 0: the master bitmap, the masks' own images,
// the sections' colours, text colours and gradient colours, the header's shadow and border
// colours.
void AdjustSkinColors(SkinModel& model, int hueOffset, int saturation);

}  // namespace tavra
