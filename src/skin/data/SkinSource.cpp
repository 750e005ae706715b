#include "skin/data/SkinSource.h"

#include "base/Files.h"
#include "skin/data/SkinLimits.h"

namespace tavra {
namespace {

Error tooLarge(std::size_t size) {
  return Error{"Options.dat holds " + std::to_string(size) + " bytes; a skin's options may hold at most " +
               std::to_string(kMaxOptionsBytes)};
}

Result<std::optional<IniStore>> optionsOf(const TacSkinConvertor& package) {
  if (!package.Options) return std::optional<IniStore>{};
  const std::vector<std::uint8_t>& bytes = *package.Options;
  if (bytes.size() > kMaxOptionsBytes) return tooLarge(bytes.size());
  return std::optional<IniStore>(IniStore::parseCp1251(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())));
}

}  // namespace

std::string folderOf(const std::string& path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

Result<SkinSource> SkinSource::fromPackageFile(const std::string& path) {
  std::string found = findPathIgnoringCase(path);
  if (found.empty() || !fileExists(found)) return Error{"no skin package \"" + path + "\""};
  SkinSource source;
  if (SkinStatus read = TacSkinConvertor::LoadFromFile(found, source.package, FreeSource::Yes); !read) return Error{read.error()};
  auto options = optionsOf(*source.package);
  if (!options) return Error{options.error()};
  source.options = std::move(options.value());
  source.skinPath = folderOf(found);
  return source;
}

Result<SkinSource> SkinSource::fromPackageBytes(std::span<const std::uint8_t> bytes) {
  SkinSource source;
  source.package = std::make_unique<TacSkinConvertor>();
  source.package->setSource(bytes);
  SkinStatus read = source.package->Read();
  source.package->releaseSource();
  if (!read) return Error{read.error()};
  auto options = optionsOf(*source.package);
  if (!options) return Error{options.error()};
  source.options = std::move(options.value());
  return source;
}

Result<SkinSource> SkinSource::fromFolder(const std::string& folder) {
  std::string base = folder;
  if (!base.empty() && base.back() != '/') base += '/';
  std::string optionsPath = findPathIgnoringCase(base + "Options.dat");
  if (optionsPath.empty() || !fileExists(optionsPath)) return Error{"no Options.dat in \"" + folder + "\""};
  auto text = readFileText(optionsPath, kMaxOptionsBytes);
  if (!text) return Error{text.error()};
  SkinSource source;
  source.options = IniStore::parseCp1251(*text);
  source.skinPath = folderOf(optionsPath);
  return source;
}

SkinLoadInput SkinSource::loadInput() const {
  SkinLoadInput input;
  input.options = options ? &*options : nullptr;
  input.package = package.get();
  return input;
}

}  // namespace tavra
