#pragma once
// Builds skin packages: the magic, the entry count, then each entry as name length, CP1251
// name, size and one zlib stream at the default level. Used by the skin packer, the tests and
// the benchmarks; the program itself only reads packages.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"

namespace tavra {

struct SkinPackageEntry {
  std::string name;  // UTF-8; stored as CP1251
  std::vector<std::uint8_t> data;
};

class SkinPackageWriter {
 public:
  void add(std::string name, std::vector<std::uint8_t> data);
  void add(std::string name, std::string_view text);
  const std::vector<SkinPackageEntry>& entries() const { return entries_; }

  // The package bytes, entries in the order they were added.
  std::vector<std::uint8_t> build() const;

  // Packs a skin folder: "Options.dat" (found ignoring case) first, then the other files in
  // name order. Sub-folders are not packed.
  static Result<std::vector<std::uint8_t>> packFolder(const std::string& folder);

 private:
  std::vector<SkinPackageEntry> entries_;
};

// One zlib stream at the default level.
std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data);

}  // namespace tavra
