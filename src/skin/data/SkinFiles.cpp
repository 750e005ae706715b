#include "skin/data/SkinFiles.h"

#include <algorithm>

#include "base/Files.h"
#include "gfx/ImageCodec.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra {

std::string findSkinFile(std::string_view skinPath, std::string_view name) {
  if (name.empty()) return {};
  std::string path;
  if (name.find(':') != std::string_view::npos || name.front() == '/' || name.front() == '\\') {
    path = std::string(name);
  } else {
    path = std::string(skinPath) + std::string(name);
  }
  std::replace(path.begin(), path.end(), '\\', '/');
  std::string found = findPathIgnoringCase(path);
  if (found.empty() || !fileExists(found)) return {};
  return found;
}

std::optional<std::vector<std::uint8_t>> SkinFiles::readLoose(std::string_view skinPath, std::string_view fileName) {
  std::string path = findSkinFile(skinPath, fileName);
  if (path.empty()) return std::nullopt;
  auto bytes = readFileBytes(path, static_cast<std::uint64_t>(TacSkinConvertor::kMaxEntryBytes));
  if (!bytes) return std::nullopt;
  return std::move(bytes.value());
}

std::optional<std::vector<std::uint8_t>> SkinFiles::read(std::string_view entryName, std::string_view fileName) const {
  if (package_) {
    const TacImageItem* item = package_->findImage(entryName);
    if (!item) return std::nullopt;
    return item->Data;
  }
  return readLoose(skinPath_, fileName);
}

namespace {
Bitmap orEmpty(Result<Bitmap> decoded) { return decoded ? std::move(decoded.value()) : Bitmap(); }
}  // namespace

Bitmap decodeSkinBmp(std::span<const std::uint8_t> bytes) { return orEmpty(decodeBmp(bytes)); }
Bitmap decodeSkinPng(std::span<const std::uint8_t> bytes) { return orEmpty(decodePng(bytes)); }
Bitmap decodeSkinJpeg(std::span<const std::uint8_t> bytes) { return orEmpty(decodeJpeg(bytes)); }

void clearWhitePixels(Bitmap& bitmap) {
  if (bitmap.format() != PixelFormat::Bits32) return;
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* line = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      if ((line[x] & 0x00FFFFFFu) == 0x00FFFFFFu) line[x] = 0;
    }
  }
}

}  // namespace tavra
