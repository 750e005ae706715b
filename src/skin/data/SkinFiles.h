#pragma once
// Where a skin's images come from: the entries of its package, or loose files in its folder
// (names matched ignoring letter case, an exact match first). Also the image conversions that
// the option forms ask for.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Bitmap.h"

namespace tavra {

class TacSkinConvertor;

// The path of a loose file named in an option: the name alone when it is a full path (it holds
// ":" or starts with "/"), otherwise `skinPath` + name; "\" separators become "/". The existing
// file whatever the letter case of its name, or empty.
std::string findSkinFile(std::string_view skinPath, std::string_view name);

class SkinFiles {
 public:
  SkinFiles(const TacSkinConvertor* package, std::string skinPath) : package_(package), skinPath_(std::move(skinPath)) {}

  // The bytes of an image: for a packed skin the first package entry named `entryName`, for an
  // unpacked skin the loose file `fileName`; both ignoring letter case.
  std::optional<std::vector<std::uint8_t>> read(std::string_view entryName, std::string_view fileName) const;
  // The loose file `fileName` only (common sections name files beside the skin).
  static std::optional<std::vector<std::uint8_t>> readLoose(std::string_view skinPath, std::string_view fileName);

  bool isPacked() const { return package_ != nullptr; }
  const std::string& skinPath() const { return skinPath_; }

 private:
  const TacSkinConvertor* package_;
  std::string skinPath_;
};

// Decoders that give an empty bitmap for undecodable data.
Bitmap decodeSkinBmp(std::span<const std::uint8_t> bytes);
Bitmap decodeSkinPng(std::span<const std::uint8_t> bytes);
Bitmap decodeSkinJpeg(std::span<const std::uint8_t> bytes);

// In a 32-bit bitmap every pixel whose colour is exactly white becomes transparent black.
void clearWhitePixels(Bitmap& bitmap);

}  // namespace tavra
