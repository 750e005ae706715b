#pragma once
// The inputs of one skin load, opened from a package file, package bytes or a skin folder: the
// package reader (packed skins), the options store and the folder of the skin's loose files.
// A package the reader rejects (wrong magic: the warning has been shown) has no options.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "base/Result.h"
#include "skin/data/IniStore.h"
#include "skin/data/SkinLoadInput.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra {

class SkinSource {
 public:
  // A package file (found ignoring letter case); the skin's loose files are looked for in the
  // package's folder. A missing file is an error.
  static Result<SkinSource> fromPackageFile(const std::string& path);
  // Package bytes that outlive the load (an internal skin's "Data").
  static Result<SkinSource> fromPackageBytes(std::span<const std::uint8_t> bytes);
  // A skin folder holding "Options.dat" (both found ignoring letter case).
  static Result<SkinSource> fromFolder(const std::string& folder);

  bool rejected() const { return !options; }
  bool isPacked() const { return package != nullptr; }

  // The loader's input over this source (valid while the source lives).
  SkinLoadInput loadInput() const;

  std::unique_ptr<TacSkinConvertor> package;
  std::optional<IniStore> options;
  std::string skinPath;  // with a final "/"
};

// The folder part of a path with its final "/" ("" for a bare name).
std::string folderOf(const std::string& path);

}  // namespace tavra
