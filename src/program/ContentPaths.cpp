#include "program/ContentPaths.h"

#include <unistd.h>

#include <vector>

namespace tavra::content {

const std::array<std::string_view, 35> kTocPages = {
    "priv.mht",  "vved.mht",  "1.0.mht",   "1.1.mht",   "1.2.mht",   "1.3.mht",   "2.0.mht",
    "2.1.mht",   "2.2.mht",   "3.0.mht",   "3.1.0.mht", "3.1.1.mht", "3.1.2.mht", "3.1.3.mht",
    "3.1.4.mht", "3.1.5.mht", "3.1.6.mht", "3.2.0.mht", "3.2.1.mht", "3.2.2.mht", "3.2.3.mht",
    "3.3.0.mht", "3.3.1.mht", "3.3.2.mht", "3.3.3.mht", "4.0.mht",   "4.1.0.mht", "4.2.0.mht",
    "4.2.1.mht", "4.2.2.mht", "4.3.0.mht", "4.3.1.mht", "4.3.2.mht", "zak.mht",   "spis.mht",
};

const std::array<std::string_view, 9> kAppendixPages = {
    "3.1.mht", "3.1.1.mht", "3.2.1.mht", "3.2.2.mht", "3.2.3.mht", "3.3.1.mht", "3.3.2.mht", "4.1.mht", "4.3.2.mht",
};

std::string rootOfExecutable(std::string_view executablePath) {
  auto last = executablePath.find_last_of("/\\:");
  if (last == std::string_view::npos) return {};
  return std::string(executablePath.substr(0, last + 1));
}

std::string root() {
  std::vector<char> buffer(4096);
  ssize_t n = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
  if (n <= 0) return {};
  return rootOfExecutable(std::string_view(buffer.data(), static_cast<size_t>(n)));
}

std::string nativeRelative(std::string_view stored) {
  std::string out(stored);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::string pathUnder(std::string_view rootFolder, std::string_view storedRelative) {
  return std::string(rootFolder) + nativeRelative(storedRelative);
}

std::string path(std::string_view storedRelative) { return pathUnder(root(), storedRelative); }

std::string tocPage(int index) { return "mat\\" + std::string(kTocPages.at(static_cast<size_t>(index))); }

std::string examplesPage(int chapter) { return "prim\\g" + std::to_string(chapter) + ".mht"; }
std::string tasksPage(int chapter) { return "zd\\g" + std::to_string(chapter) + ".mht"; }
std::string questionsPage(int chapter) { return "vop\\g" + std::to_string(chapter) + ".mht"; }
std::string appendixPage(std::string_view name) { return "pril\\" + std::string(name); }

std::string testQuestion(int variant, int question) {
  return "test\\v" + std::to_string(variant) + "\\" + std::to_string(question) + ".mht";
}

}  // namespace tavra::content
