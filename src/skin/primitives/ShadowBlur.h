#pragma once
// The pixel work of the effect labels' shadow. The weights live in a byte buffer one pixel wider
// on every side than the mask: mask pixel (x, y) is entry (x + 1, y + 1) of a buffer W = width + 2
// entries wide, and the outer frame stays 0.
//
//   frame   0 0 0 0 0 0
//           0 m m m m 0     m: one entry per mask pixel
//           0 m m m m 0
//           0 0 0 0 0 0
#include <cstdint>
#include <span>

#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace tavra {

// The number of buffer entries a mask needs.
constexpr std::size_t shadowBufferEntries(int maskWidth, int maskHeight) {
  return static_cast<std::size_t>(maskWidth + 2) * static_cast<std::size_t>(maskHeight + 2);
}

// Runs `passes` blur passes over `buffer` (at least shadowBufferEntries entries, zeroed by the
// caller). Each pass stamps 255 into the entry of every mask pixel whose blue byte is not 0, then
// replaces every inner entry, rows top to bottom and entries left to right, by the sum of its
// four neighbours shifted right by 2; the left and upper neighbours already hold this pass's
// values.
void blurShadowMask(const Bitmap& mask, std::span<std::uint8_t> buffer, int passes);

// Mixes the shadow colour into `image` (the mask's size) by the weights a:
// channel = (channel × (255 − a) + shadow × a) >> 8.
void composeShadowOver(Bitmap& image, std::span<const std::uint8_t> buffer, Color shadow);
// Fills `image` with the shadow over a plain background colour:
// channel = (shadow × a + background × (255 − a)) >> 8.
void composeShadowOnColor(Bitmap& image, std::span<const std::uint8_t> buffer, Color shadow, Color background);

}  // namespace tavra
