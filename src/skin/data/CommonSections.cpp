#include "skin/data/CommonSections.h"

#include <algorithm>

#include "base/Text.h"

namespace tavra {

std::vector<std::string> normalizeCommonSectionLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (std::string line : lines) {
    if (line.empty() || line.front() != ';') line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
    out.push_back(std::move(line));
  }
  return out;
}

CommonSections::CommonSections(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (line.empty() || line.front() == ';') continue;
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
      sections_.push_back(Section{line.substr(1, line.size() - 2), {}});
      continue;
    }
    if (!sections_.empty()) sections_.back().lines.push_back(line);
  }
}

std::optional<std::string> CommonSections::value(const Section& section, std::string_view key) {
  for (const std::string& line : section.lines) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (equalsIgnoreCase(std::string_view(line).substr(0, eq), key)) return line.substr(eq + 1);
  }
  return std::nullopt;
}

}  // namespace tavra
