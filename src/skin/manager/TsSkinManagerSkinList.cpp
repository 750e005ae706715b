// The skin manager's list of available skins: internal ones, unpacked folders and packages.
#include "skin/manager/TsSkinManager.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "base/Files.h"

namespace tavra {

namespace {

std::string asciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Names sorted ignoring letter case; names that differ only in case keep a fixed order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
  const std::string la = asciiLower(a), lb = asciiLower(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace

std::string TsSkinManager::ListSkins(std::vector<std::string>& list, SkinListKind kind) const {
  namespace fs = std::filesystem;
  list.clear();
  for (const TsStoredSkin& skin : internalSkins_.items()) list.push_back(skin.Name);
  const std::string folder = ResolveSkinDirectory();
  if (directoryExists(folder)) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.empty() || name.front() == '.') continue;
      std::error_code typeError;
      if (it->is_directory(typeError)) {
        if (kind == SkinListKind::Packages) continue;
        const std::string options = findPathIgnoringCase(folder + "/" + name + "/Options.dat");
        if (!options.empty() && fileExists(options)) list.push_back(name);
      } else if (kind != SkinListKind::Folders && name.ends_with(".asz")) {
        list.push_back(name.substr(0, name.find('.')));
      }
    }
  }
  const std::string first = list.empty() ? std::string() : list.front();
  std::stable_sort(list.begin(), list.end(), lessIgnoringCase);
  return first;
}

}  // namespace tavra
