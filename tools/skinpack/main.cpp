// skinpack: packs a skin folder into a skin package ("Options.dat" first, then the other files
// by name, each one zlib stream at the default level), unpacks a package into a folder, or
// lists a package's entries.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TacSkinConvertor.h"

namespace {

using tavra::TacSkinConvertor;

int usage() {
  std::fprintf(stderr,
               "usage: skinpack pack FOLDER PACKAGE.asz   pack a skin folder\n"
               "       skinpack unpack PACKAGE.asz FOLDER unpack a package into a folder\n"
               "       skinpack list PACKAGE.asz          list a package's entries\n");
  return 2;
}

bool writeFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

// An entry name is written only as a plain file name inside the target folder.
bool isPlainFileName(std::string_view name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
         name.find('\\') == std::string_view::npos && name.find('\0') == std::string_view::npos;
}

std::unique_ptr<TacSkinConvertor> readPackage(const std::string& path) {
  std::unique_ptr<TacSkinConvertor> converter;
  tavra::SkinStatus status = TacSkinConvertor::LoadFromFile(path, converter, tavra::FreeSource::Yes);
  if (!status) {
    std::fprintf(stderr, "skinpack: %s: %s\n", path.c_str(), status.error().c_str());
    return nullptr;
  }
  if (!converter) {
    std::fprintf(stderr, "skinpack: %s: no such file\n", path.c_str());
    return nullptr;
  }
  if (!converter->Options) {
    std::fprintf(stderr, "skinpack: %s: not a skin package\n", path.c_str());
    return nullptr;
  }
  return converter;
}

int pack(const std::string& folder, const std::string& output) {
  auto package = tavra::SkinPackageWriter::packFolder(folder);
  if (!package) {
    std::fprintf(stderr, "skinpack: %s\n", package.error().c_str());
    return 1;
  }
  if (!writeFile(output, *package)) {
    std::fprintf(stderr, "skinpack: cannot write %s\n", output.c_str());
    return 1;
  }
  return 0;
}

int unpack(const std::string& path, const std::string& folder) {
  auto converter = readPackage(path);
  if (!converter) return 1;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    std::fprintf(stderr, "skinpack: cannot create %s: %s\n", folder.c_str(), ec.message().c_str());
    return 1;
  }
  if (!writeFile(std::filesystem::path(folder) / "Options.dat", *converter->Options)) return 1;
  for (const tavra::TacImageItem& item : converter->Images) {
    if (!isPlainFileName(item.Name)) {
      std::fprintf(stderr, "skinpack: %s: entry \"%s\" is not a plain file name; skipped\n", path.c_str(), item.Name.c_str());
      continue;
    }
    if (!writeFile(std::filesystem::path(folder) / item.Name, item.Data)) {
      std::fprintf(stderr, "skinpack: cannot write %s\n", item.Name.c_str());
      return 1;
    }
  }
  return 0;
}

int list(const std::string& path) {
  auto converter = readPackage(path);
  if (!converter) return 1;
  std::printf("Options.dat %zu\n", converter->Options->size());
  for (const tavra::TacImageItem& item : converter->Images) std::printf("%s %zu\n", item.Name.c_str(), item.Data.size());
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return usage();
  const std::string_view command = argv[1];
  if (command == "pack" && argc == 4) return pack(argv[2], argv[3]);
  if (command == "unpack" && argc == 4) return unpack(argv[2], argv[3]);
  if (command == "list" && argc == 3) return list(argv[2]);
  return usage();
}
