#pragma once
// Reader of skin packages: the magic "ASzf", a 32-bit little-endian entry count, then entries of
// name length, name (CP1251), uncompressed size and one zlib stream each. The reader turns a
// package into the text of "Options.dat" and the list of image entries.
//
// Sizes read from a package are bounded far above any real skin (real packages are 7.5 to 92 KB
// with 3 to 10 entries): a count, name length or size beyond the bounds below, or a negative one,
// is a clear error and never an allocation.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinStatus.h"

namespace tavra {

struct TacImageItem {
  std::string Name;       // the entry's file name as stored, converted to UTF-8
  bool IsBitmap = false;  // the upper-cased extension is ".BMP"
  std::vector<std::uint8_t> Data;
};
using TacImageItems = std::vector<TacImageItem>;

enum class FreeSource { No, Yes };

class TacSkinConvertor {
 public:
  static constexpr std::int32_t kMaxEntries = 4096;
  static constexpr std::int32_t kMaxNameBytes = 1024;
  static constexpr std::int32_t kMaxEntryBytes = 32 * 1024 * 1024;
  static constexpr std::uint64_t kMaxTotalBytes = 128ull * 1024 * 1024;
  static constexpr std::uint64_t kMaxPackageFileBytes = 64ull * 1024 * 1024;
  static constexpr std::string_view kWrongMagicWarning = "Loaded data is not packed Corvex file";

  TacSkinConvertor() = default;
  ~TacSkinConvertor() { Clear(); }
  TacSkinConvertor(const TacSkinConvertor&) = delete;
  TacSkinConvertor& operator=(const TacSkinConvertor&) = delete;

  // Number of image entries: the entry count less one ("Options.dat"). Walks over the images
  // use `imageEntries()`, which never reaches past `Images`.
  std::int32_t ImageCount = 0;
  TacImageItems Images;
  std::optional<std::vector<std::uint8_t>> Options;

  // The packed data to read. A borrowed source must outlive the reading; an owned one is
  // dropped by `releaseSource` or `Clear`.
  void setSource(std::span<const std::uint8_t> bytes);
  void setOwnedSource(std::vector<std::uint8_t> bytes);
  void releaseSource();
  bool hasSource() const { return hasSource_; }

  // Parses the source from its first byte. A wrong magic shows the warning, clears the
  // converter and succeeds with no options; damaged data is an error, and the entries read
  // before it stay.
  SkinStatus Read();

  // When the file exists (its name matched ignoring case): creates the converter if there is
  // none, else clears it; reads the whole file as the source; runs Read; drops the source
  // afterwards when asked to. A missing file changes nothing.
  static SkinStatus LoadFromFile(const std::string& path, std::unique_ptr<TacSkinConvertor>& converter, FreeSource freeSource);

  // Frees every image entry (last first), the options text and the source.
  void Clear();

  // Bytes of the source consumed by the last Read.
  std::size_t bytesRead() const { return position_; }

  // The image entries that lookups walk: the first `ImageCount` of `Images`.
  std::span<const TacImageItem> imageEntries() const;
  // The first walked entry whose name equals `name` ignoring letter case.
  const TacImageItem* findImage(std::string_view name) const;

 private:
  SkinStatus readEntries(std::int32_t count);

  std::span<const std::uint8_t> source_;
  std::vector<std::uint8_t> ownedSource_;
  bool hasSource_ = false;
  std::size_t position_ = 0;
};

// True when the extension of `name` (from its last "."), upper-cased, is ".BMP".
bool isBitmapName(std::string_view name);

}  // namespace tavra
