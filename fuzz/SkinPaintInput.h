#pragma once
// The input of fuzz_skin_paint: an options text and a small picture that, enlarged, is the skin's
// master bitmap. Its bytes:
//
//   options text | 0x00 | W | H | SX | SY | W × H pixels of three bytes (blue, green, red)
//
// The picture is (W mod 64 + 1) × (H mod 64 + 1) pixels, rows from the top; the master bitmap is
// the picture enlarged SX mod 8 + 1 times across and SY mod 8 + 1 times down by repeating pixels,
// so a skin's own options (regions of a master up to 512 × 512) still land on its pictures. Bytes
// missing at the end read as 0; bytes after the pixels are ignored.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace tavra::fuzz {

struct SkinPaintInput {
  static constexpr int kMaxSide = 64;
  static constexpr int kMaxScale = 8;

  std::string options;
  Bitmap picture;  // 24-bit, 1 × 1 to 64 × 64
  int scaleX = 1;
  int scaleY = 1;

  static SkinPaintInput parse(std::span<const std::uint8_t> bytes);
  // The layout above; the picture must be at most 64 × 64 and the scales 1 to 8.
  std::vector<std::uint8_t> encode() const;

  // The picture enlarged by the scales.
  Bitmap master() const;
};

// A 24-bit BMP file of the bitmap (bottom-up rows, as the skins store theirs).
std::vector<std::uint8_t> bmpFile(const Bitmap& bitmap);

// The bitmap shrunk to fit 64 × 64 by a whole factor (at most 8, the same both ways), nearest
// pixel, so the transparent key colour of a skin's pictures stays exact; the factor is returned.
Bitmap shrinkToFit(const Bitmap& bitmap, int& factor);

}  // namespace tavra::fuzz
