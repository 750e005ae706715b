// skin_paint_seeds DIR PACKAGE...: writes one fuzz_skin_paint input per skin package into DIR,
// named after the package: its "Options.dat" and its master bitmap shrunk to fit 64 × 64 (the
// input enlarges it back by the same whole factor, so the options' regions still fit).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "SkinPaintInput.h"
#include "base/Files.h"
#include "skin/data/SkinFiles.h"
#include "skin/data/TacSkinConvertor.h"

namespace {

using namespace tavra;

// The file the options name as the master bitmap ("MASTERBITMAP=" of any section).
std::string masterName(const std::string& options) {
  std::size_t at = options.find("MASTERBITMAP=");
  if (at == std::string::npos) return "MASTER.BMP";
  at += 13;
  std::string value = options.substr(at, options.find_first_of("\r\n", at) - at);
  while (!value.empty() && value.back() == ' ') value.pop_back();
  return value;
}

bool writeSeed(const std::filesystem::path& packagePath, const std::filesystem::path& dir) {
  auto bytes = readFileBytes(packagePath.string());
  if (!bytes) return false;
  TacSkinConvertor package;
  package.setSource(*bytes);
  if (!package.Read() || !package.Options) return false;
  fuzz::SkinPaintInput input;
  input.options.assign(package.Options->begin(), package.Options->end());
  const TacImageItem* master = package.findImage(masterName(input.options));
  if (!master) return false;
  const Bitmap full = decodeSkinBmp(master->Data);
  if (full.width() == 0) return false;
  int factor = 1;
  input.picture = fuzz::shrinkToFit(full, factor);
  input.scaleX = input.scaleY = factor;
  const std::vector<std::uint8_t> seed = input.encode();
  std::ofstream out(dir / packagePath.stem(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(seed.data()), static_cast<std::streamsize>(seed.size()));
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: skin_paint_seeds DIR PACKAGE...\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  int failed = 0;
  for (int i = 2; i < argc; ++i) {
    if (writeSeed(argv[i], dir)) continue;
    std::fprintf(stderr, "skin_paint_seeds: no seed from %s\n", argv[i]);
    ++failed;
  }
  std::printf("skin_paint_seeds: %d seeds in %s\n", argc - 2 - failed, dir.c_str());
  return failed ? 1 : 0;
}
