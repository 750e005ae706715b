#include "gfx/ImageCodec.h"

#include <cstring>

#include "base/Files.h"

namespace tavra {
namespace {

constexpr std::uint64_t kMaxImageFileBytes = 64ull * 1024 * 1024;

bool startsWith(std::span<const std::uint8_t> bytes, std::string_view magic) {
  return bytes.size() >= magic.size() && std::memcmp(bytes.data(), magic.data(), magic.size()) == 0;
}

}  // namespace

ImageKind sniffImageKind(std::span<const std::uint8_t> bytes) {
  if (startsWith(bytes, "\x89PNG\r\n\x1a\n")) return ImageKind::Png;
  if (startsWith(bytes, "\xFF\xD8\xFF")) return ImageKind::Jpeg;
  if (startsWith(bytes, "GIF87a") || startsWith(bytes, "GIF89a")) return ImageKind::Gif;
  if (startsWith(bytes, "BM")) return ImageKind::Bmp;
  return ImageKind::Unknown;
}

Result<Bitmap> decodeImage(std::span<const std::uint8_t> bytes) {
  switch (sniffImageKind(bytes)) {
    case ImageKind::Png: return decodePng(bytes);
    case ImageKind::Jpeg: return decodeJpeg(bytes);
    case ImageKind::Bmp: return decodeBmp(bytes);
    case ImageKind::Gif: return decodeGif(bytes);
    case ImageKind::Unknown: break;
  }
  return Error{"unknown image format"};
}

Result<Bitmap> loadImageFile(const std::string& path) {
  auto bytes = readFileBytes(path, kMaxImageFileBytes);
  if (!bytes) return Error{bytes.error()};
  auto image = decodeImage(*bytes);
  if (!image) return Error{"\"" + path + "\": " + image.error()};
  return image;
}

}  // namespace tavra
