#include "skin/data/IniStore.h"

#include "base/Text.h"
#include "skin/data/SkinValues.h"

namespace tavra {

IniStore IniStore::parse(std::string_view text) {
  IniStore store;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    store.addLine(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return store;
}

IniStore IniStore::parseCp1251(std::string_view bytes) { return parse(cp1251ToUtf8(bytes)); }

IniStore IniStore::fromLines(const std::vector<std::string>& lines) {
  IniStore store;
  for (const std::string& line : lines) store.addLine(line);
  return store;
}

void IniStore::addLine(std::string_view raw) {
  std::string_view line = trimmed(raw);
  if (line.empty() || line.front() == ';') return;
  if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
    std::string name(trimmed(line.substr(1, line.size() - 2)));
    sectionIndex_.try_emplace(upperName(name), static_cast<int>(sections_.size()));
    sections_.push_back(Section{std::move(name), {}});
    keyIndex_.emplace_back();
    return;
  }
  if (sections_.empty()) return;
  Entry entry;
  size_t eq = line.find('=');
  if (eq == std::string_view::npos) {
    entry.key = std::string(line);
  } else {
    entry.key = std::string(trimmed(line.substr(0, eq)));
    entry.value = std::string(trimmed(line.substr(eq + 1)));
  }
  Section& section = sections_.back();
  keyIndex_.back().try_emplace(upperName(entry.key), section.entries.size());
  section.entries.push_back(std::move(entry));
}

int IniStore::findSection(std::string_view name) const {
  auto it = sectionIndex_.find(upperName(name));
  return it == sectionIndex_.end() ? -1 : it->second;
}

const std::string* IniStore::findValue(int section, std::string_view key) const {
  if (section < 0 || section >= static_cast<int>(sections_.size())) return nullptr;
  const auto& index = keyIndex_[static_cast<size_t>(section)];
  auto it = index.find(upperName(key));
  if (it == index.end()) return nullptr;
  return &sections_[static_cast<size_t>(section)].entries[it->second].value;
}

const std::string* IniStore::findValue(std::string_view section, std::string_view key) const {
  return findValue(findSection(section), key);
}

std::string IniStore::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
  const std::string* value = findValue(section, key);
  return value ? *value : std::string(fallback);
}

}  // namespace tavra
