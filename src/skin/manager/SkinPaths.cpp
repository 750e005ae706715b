#include "skin/manager/SkinPaths.h"

#include <unistd.h>

#include <vector>

namespace tavra {
namespace {

bool isSeparator(char c) { return c == '/' || c == '\\'; }

std::string nativeSeparators(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

// The parent of a folder given with its final separator, with its own final separator.
std::string parentFolder(std::string_view folder) {
  std::string parent(folder);
  if (!parent.empty()) parent.pop_back();
  while (!parent.empty() && !isSeparator(parent.back())) parent.pop_back();
  // Above the root there is nothing: the root is its own parent.
  if (parent.empty() && !folder.empty() && isSeparator(folder.front())) parent = std::string(1, folder.front());
  return parent;
}

}  // namespace

std::string executableFolder() {
  std::vector<char> buffer(4096);
  const ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  const std::string_view path(buffer.data(), static_cast<size_t>(n));
  const size_t last = path.find_last_of('/');
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string resolveSkinDirectory(std::string_view appFolder, std::string_view skinDirectory) {
  const std::string_view d = skinDirectory;
  if (d.starts_with("..")) {
    const std::string_view rest = d.size() > 3 ? d.substr(3) : std::string_view();
    return parentFolder(appFolder) + nativeSeparators(rest);
  }
  if (d.starts_with(".\\") || d.starts_with("./")) return std::string(appFolder) + nativeSeparators(d.substr(2));
  const bool absolute = d.starts_with('/') || d.find(':') != std::string_view::npos || d.find("\\\\") != std::string_view::npos;
  if (!absolute) return std::string(appFolder) + nativeSeparators(d);
  return std::string(d);
}

std::string skinPackagePath(std::string_view skinDirectory, std::string_view name) {
  std::string folder = nativeSeparators(skinDirectory);
  if (!folder.empty() && folder.back() != '/') folder += folder.size() == 1 ? ":/" : "/";
  return folder + std::string(name) + ".asz";
}

}  // namespace tavra
