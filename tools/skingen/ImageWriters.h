#pragma once
// The file formats of skin images: 24-bit BMP, PNG (opaque, or with straight alpha) and JPEG.
// Nothing but the pixels goes in: no dates, no names, so equal pixels give equal files.
#include <cstdint>
#include <vector>

#include "MaskImage.h"

namespace tavra::skingen {

using Bytes = std::vector<std::uint8_t>;

Bytes encodeBmp24(const PixelBlock& block);
Bytes encodePngRgb(const PixelBlock& block);
Bytes encodePngArgb(int width, int height, const std::vector<std::uint32_t>& straightArgb);
Bytes encodeJpeg(const PixelBlock& block, int quality);

}  // namespace tavra::skingen
