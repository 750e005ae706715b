// skingen DESCRIPTION.skin FOLDER: draws the skin that the description describes into FOLDER
// (emptied first): "Options.dat", "Master.bmp", "ButtonHuge.bmp" and the skin's other images.
// The same description always gives the same bytes.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "ImageWriters.h"
#include "OptionsWriter.h"
#include "SectionBuilder.h"
#include "SkinAssets.h"
#include "SkinDescription.h"

namespace {

namespace fs = std::filesystem;
using namespace tavra::skingen;

constexpr std::uintmax_t kMaxDescriptionBytes = 64 * 1024;

bool writeFile(const fs::path& path, const void* data, size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

int generate(const std::string& descriptionPath, const fs::path& folder) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(descriptionPath, ec);
  if (ec || size > kMaxDescriptionBytes) {
    std::fprintf(stderr, "skingen: %s: %s\n", descriptionPath.c_str(), ec ? ec.message().c_str() : "larger than 64 KB");
    return 1;
  }
  std::ifstream in(descriptionPath, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto description = parseSkinDescription(text, descriptionPath);
  if (!description) {
    std::fprintf(stderr, "skingen: %s\n", description.error().c_str());
    return 1;
  }

  OptionsWriter options;
  SkinAssets assets;
  SectionBuilder(*description).build(options, assets);

  fs::remove_all(folder, ec);
  fs::create_directories(folder, ec);
  if (ec) {
    std::fprintf(stderr, "skingen: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
    return 1;
  }
  const std::string optionsText = options.text();
  bool ok = writeFile(folder / "Options.dat", optionsText.data(), optionsText.size());
  const Bytes master = encodeBmp24(assets.master());
  ok = ok && writeFile(folder / "Master.bmp", master.data(), master.size());
  for (const auto& [name, bytes] : assets.files()) ok = ok && writeFile(folder / name, bytes.data(), bytes.size());
  if (!ok) {
    std::fprintf(stderr, "skingen: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skingen DESCRIPTION.skin FOLDER\n");
    return 2;
  }
  try {
    return generate(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skingen: %s: %s\n", argv[1], e.what());
    return 1;
  }
}
