#include "base/Files.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/Text.h"

namespace tavra {
namespace fs = std::filesystem;

Result<std::vector<std::uint8_t>> readFileBytes(const std::string& path, std::uint64_t maxBytes) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return Error{"cannot open \"" + path + "\": no such file"};
  auto size = fs::file_size(path, ec);
  if (ec) return Error{"cannot read \"" + path + "\": " + ec.message()};
  if (size > maxBytes) return Error{"\"" + path + "\" is too large (" + std::to_string(size) + " bytes)"};
  std::ifstream in(path, std::ios::binary);
  if (!in) return Error{"cannot open \"" + path + "\""};
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

Result<std::string> readFileText(const std::string& path, std::uint64_t maxBytes) {
  auto bytes = readFileBytes(path, maxBytes);
  if (!bytes) return Error{bytes.error()};
  return std::string(bytes->begin(), bytes->end());
}

bool fileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(path, ec);
}

bool directoryExists(const std::string& path) {
  std::error_code ec;
  return fs::is_directory(path, ec);
}

std::string findPathIgnoringCase(const std::string& path) {
  std::error_code ec;
  if (path.empty()) return {};
  if (fs::exists(path, ec)) return path;
  fs::path p(path);
  fs::path current = p.has_root_path() ? p.root_path() : fs::path(".");
  bool relative = !p.has_root_path();
  fs::path built = relative ? fs::path() : p.root_path();
  for (const fs::path& part : p.relative_path()) {
    fs::path candidate = (relative && built.empty()) ? part : built / part;
    if (fs::exists(candidate, ec)) {
      built = candidate;
      continue;
    }
    fs::path dir = (relative && built.empty()) ? fs::path(".") : built;
    bool found = false;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
      std::string name = it->path().filename().string();
      if (equalsIgnoreCase(name, part.string())) {
        built = (relative && built.empty()) ? fs::path(name) : built / name;
        found = true;
        break;
      }
    }
    if (!found) return {};
  }
  (void)current;
  return built.string();
}

}  // namespace tavra
