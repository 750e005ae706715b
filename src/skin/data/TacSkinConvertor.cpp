#include "skin/data/TacSkinConvertor.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "base/Files.h"
#include "base/Text.h"
#include "skin/data/SkinValues.h"
#include "skin/data/SkinWarnings.h"

namespace tavra {
namespace {

constexpr std::uint8_t kMagic[4] = {'A', 'S', 'z', 'f'};
constexpr std::size_t kFirstInflateChunk = 64 * 1024;

std::int32_t littleEndianInt32(const std::uint8_t* bytes) {
  std::uint32_t value = static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
                        (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
  return static_cast<std::int32_t>(value);
}

Error damaged(const std::string& what) { return Error{"The skin package is damaged: " + what}; }

std::string entryLabel(std::int32_t index, std::int32_t count, const std::string& name) {
  return "entry " + std::to_string(index + 1) + " of " + std::to_string(count) + " (\"" + name + "\")";
}

}  // namespace

bool isBitmapName(std::string_view name) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  return upperName(name.substr(dot)) == ".BMP";
}

void TacSkinConvertor::setSource(std::span<const std::uint8_t> bytes) {
  ownedSource_.clear();
  source_ = bytes;
  hasSource_ = true;
}

void TacSkinConvertor::setOwnedSource(std::vector<std::uint8_t> bytes) {
  ownedSource_ = std::move(bytes);
  source_ = ownedSource_;
  hasSource_ = true;
}

void TacSkinConvertor::releaseSource() {
  source_ = {};
  ownedSource_.clear();
  ownedSource_.shrink_to_fit();
  hasSource_ = false;
}

void TacSkinConvertor::Clear() {
  while (!Images.empty()) Images.pop_back();
  Options.reset();
  releaseSource();
}

std::span<const TacImageItem> TacSkinConvertor::imageEntries() const {
  std::size_t count = static_cast<std::size_t>(std::max(ImageCount, 0));
  return std::span<const TacImageItem>(Images).first(std::min(count, Images.size()));
}

const TacImageItem* TacSkinConvertor::findImage(std::string_view name) const {
  // As in a skin folder, the letter case of a name does not matter.
  const std::string wanted = upperName(name);
  for (const TacImageItem& item : imageEntries()) {
    if (upperName(item.Name) == wanted) return &item;
  }
  return nullptr;
}

SkinStatus TacSkinConvertor::Read() {
  position_ = 0;
  if (source_.size() < sizeof kMagic || std::memcmp(source_.data(), kMagic, sizeof kMagic) != 0) {
    SkinWarnings::show(SkinNoticeKind::Warning, std::string(kWrongMagicWarning));
    Clear();
    return skinOk();
  }
  position_ = sizeof kMagic;
  if (source_.size() - position_ < 4) return damaged("it ends before the entry count");
  std::int32_t count = littleEndianInt32(source_.data() + position_);
  position_ += 4;
  if (count < 0 || count > kMaxEntries) {
    return damaged("the entry count " + std::to_string(count) + " is out of range (0 to " + std::to_string(kMaxEntries) + ")");
  }
  ImageCount = count - 1;
  if (count == 0) return skinOk();
  return readEntries(count);
}

SkinStatus TacSkinConvertor::readEntries(std::int32_t count) {
  std::uint64_t totalBytes = 0;
  auto readInt32 = [this](std::int32_t& out) {
    if (source_.size() - position_ < 4) return false;
    out = littleEndianInt32(source_.data() + position_);
    position_ += 4;
    return true;
  };

  for (std::int32_t index = 0; index < count; ++index) {
    std::int32_t nameLength = 0;
    if (!readInt32(nameLength)) return damaged("it ends before " + entryLabel(index, count, "?"));
    if (nameLength < 0 || nameLength > kMaxNameBytes) {
      return damaged("entry " + std::to_string(index + 1) + " has a name length of " + std::to_string(nameLength) +
                     " bytes (0 to " + std::to_string(kMaxNameBytes) + " allowed)");
    }
    if (source_.size() - position_ < static_cast<std::size_t>(nameLength)) {
      return damaged("it ends inside the name of entry " + std::to_string(index + 1));
    }
    std::string name = cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(source_.data() + position_),
                                                      static_cast<std::size_t>(nameLength)));
    position_ += static_cast<std::size_t>(nameLength);
    std::int32_t size = 0;
    if (!readInt32(size)) return damaged("it ends before the size of " + entryLabel(index, count, name));
    if (size < 0 || size > kMaxEntryBytes) {
      return damaged(entryLabel(index, count, name) + " declares " + std::to_string(size) + " bytes (0 to " +
                     std::to_string(kMaxEntryBytes) + " allowed)");
    }
    totalBytes += static_cast<std::uint64_t>(size);
    if (totalBytes > kMaxTotalBytes) return damaged("its entries declare more than " + std::to_string(kMaxTotalBytes) + " bytes");

    // Inflate one zlib stream. The output grows as data arrives (never to more than the declared
    // size plus one byte), so a false size costs nothing until the stream really delivers it.
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) return Error{"The skin package cannot be read: zlib failed to start"};
    const auto declared = static_cast<std::size_t>(size);
    std::vector<std::uint8_t> out(std::min(declared + 1, kFirstInflateChunk));
    std::size_t available = source_.size() - position_;
    zs.next_in = const_cast<Bytef*>(source_.data() + position_);
    zs.avail_in = static_cast<uInt>(std::min<std::size_t>(available, UINT_MAX));
    std::size_t produced = 0;
    std::optional<Error> failure;
    for (;;) {
      if (produced == out.size()) out.resize(std::min(declared + 1, out.size() * 2));
      zs.next_out = out.data() + produced;
      zs.avail_out = static_cast<uInt>(out.size() - produced);
      int rc = inflate(&zs, Z_NO_FLUSH);
      produced = out.size() - zs.avail_out;
      if (produced > declared) {
        failure = damaged(entryLabel(index, count, name) + " inflates to more than its " + std::to_string(size) + " bytes");
        break;
      }
      if (rc == Z_STREAM_END) break;
      if (rc == Z_BUF_ERROR || (rc == Z_OK && zs.avail_in == 0 && zs.avail_out > 0)) {
        failure = damaged("it ends inside " + entryLabel(index, count, name));
        break;
      }
      if (rc != Z_OK) {
        failure = damaged(entryLabel(index, count, name) + " holds corrupt compressed data (" +
                          (zs.msg ? std::string(zs.msg) : "zlib error " + std::to_string(rc)) + ")");
        break;
      }
    }
    std::size_t consumed = zs.total_in;
    inflateEnd(&zs);
    if (failure) return *failure;
    if (produced < declared) {
      return damaged(entryLabel(index, count, name) + " inflates to " + std::to_string(produced) + " bytes instead of " +
                     std::to_string(size));
    }
    position_ += consumed;
    out.resize(declared);

    if (upperName(name) == "OPTIONS.DAT") {
      Options = std::move(out);
    } else {
      Images.push_back(TacImageItem{.Name = std::move(name), .IsBitmap = false, .Data = std::move(out)});
      Images.back().IsBitmap = isBitmapName(Images.back().Name);
    }
  }
  return skinOk();
}

SkinStatus TacSkinConvertor::LoadFromFile(const std::string& path, std::unique_ptr<TacSkinConvertor>& converter,
                                          FreeSource freeSource) {
  std::string found = findPathIgnoringCase(path);
  if (found.empty() || !fileExists(found)) return skinOk();
  if (converter) {
    converter->Clear();
  } else {
    converter = std::make_unique<TacSkinConvertor>();
  }
  auto bytes = readFileBytes(found, kMaxPackageFileBytes);
  if (!bytes) return Error{bytes.error()};
  converter->setOwnedSource(std::move(bytes.value()));
  SkinStatus status = converter->Read();
  if (freeSource == FreeSource::Yes) converter->releaseSource();
  return status;
}

}  // namespace tavra
