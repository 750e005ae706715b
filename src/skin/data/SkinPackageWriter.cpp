#include "skin/data/SkinPackageWriter.h"

#include <zlib.h>

#include <algorithm>
#include <filesystem>

#include "base/Files.h"
#include "base/Text.h"
#include "skin/data/SkinLimits.h"
#include "skin/data/SkinValues.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra {
namespace {

void appendInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
  auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
}

}  // namespace

std::vector<std::uint8_t> zlibCompress(std::span<const std::uint8_t> data) {
  uLongf capacity = compressBound(static_cast<uLong>(data.size()));
  std::vector<std::uint8_t> out(capacity);
  int rc = compress2(out.data(), &capacity, data.data(), static_cast<uLong>(data.size()), Z_DEFAULT_COMPRESSION);
  if (rc != Z_OK) return {};
  out.resize(capacity);
  return out;
}

void SkinPackageWriter::add(std::string name, std::vector<std::uint8_t> data) {
  entries_.push_back({std::move(name), std::move(data)});
}

void SkinPackageWriter::add(std::string name, std::string_view text) {
  add(std::move(name), std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::vector<std::uint8_t> SkinPackageWriter::build() const {
  std::vector<std::uint8_t> out = {'A', 'S', 'z', 'f'};
  appendInt32(out, static_cast<std::int32_t>(entries_.size()));
  for (const SkinPackageEntry& entry : entries_) {
    std::string name = utf8ToCp1251(entry.name);
    appendInt32(out, static_cast<std::int32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    appendInt32(out, static_cast<std::int32_t>(entry.data.size()));
    std::vector<std::uint8_t> packed = zlibCompress(entry.data);
    out.insert(out.end(), packed.begin(), packed.end());
  }
  return out;
}

Result<std::vector<std::uint8_t>> SkinPackageWriter::packFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return Error{"\"" + folder + "\" is not a folder"};
  std::vector<std::string> names;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->is_regular_file(ec)) names.push_back(it->path().filename().string());
  }
  if (ec) return Error{"cannot list \"" + folder + "\": " + ec.message()};
  std::sort(names.begin(), names.end());
  auto options = std::find_if(names.begin(), names.end(), [](const std::string& n) { return upperName(n) == "OPTIONS.DAT"; });
  if (options == names.end()) return Error{"\"" + folder + "\" holds no Options.dat"};
  std::rotate(names.begin(), options, options + 1);
  if (names.size() > static_cast<std::size_t>(TacSkinConvertor::kMaxEntries)) return Error{"too many files in \"" + folder + "\""};

  SkinPackageWriter writer;
  for (const std::string& name : names) {
    auto bytes = readFileBytes((fs::path(folder) / name).string(), static_cast<std::uint64_t>(TacSkinConvertor::kMaxEntryBytes));
    if (!bytes) return Error{bytes.error()};
    // The loader refuses larger options; a package it cannot load is never written.
    if (&name == &names.front() && bytes->size() > kMaxOptionsBytes) {
      return Error{"\"" + name + "\" in \"" + folder + "\" holds " + std::to_string(bytes->size()) +
                   " bytes; a skin's options may hold at most " + std::to_string(kMaxOptionsBytes)};
    }
    writer.add(name, std::move(bytes.value()));
  }
  return writer.build();
}

}  // namespace tavra
