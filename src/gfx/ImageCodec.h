#pragma once
// Decoding PNG, JPEG, BMP and GIF (first frame) into bitmaps, with bounded sizes: images wider
// or taller than Bitmap::kMaxDimension or with more than Bitmap::kMaxPixels pixels are refused.
// Images with an alpha channel become 32-bit bitmaps with straight (not premultiplied) alpha;
// others 24-bit.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/Result.h"
#include "gfx/Bitmap.h"

namespace tavra {

enum class ImageKind { Unknown, Png, Jpeg, Bmp, Gif };

ImageKind sniffImageKind(std::span<const std::uint8_t> bytes);
Result<Bitmap> decodeImage(std::span<const std::uint8_t> bytes);
Result<Bitmap> decodePng(std::span<const std::uint8_t> bytes);
Result<Bitmap> decodeJpeg(std::span<const std::uint8_t> bytes);
Result<Bitmap> decodeBmp(std::span<const std::uint8_t> bytes);
Result<Bitmap> decodeGif(std::span<const std::uint8_t> bytes);
Result<Bitmap> loadImageFile(const std::string& path);

// Writes a PNG (32-bit bitmaps keep their alpha).
bool savePng(const Bitmap& bitmap, const std::string& path);
std::vector<std::uint8_t> encodePng(const Bitmap& bitmap);

}  // namespace tavra
