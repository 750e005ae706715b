#pragma once
// The in-memory store of an options file. Every line is trimmed; empty lines and lines starting
// with ";" are skipped; "[name]" opens a section (lines before the first one are dropped); any
// other line is a key and a value split at the first "=" (a line without "=" is a key with an
// empty value). Sections and keys keep file order, duplicates included; lookups ignore letter
// case and find the first match.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavra {

class IniStore {
 public:
  struct Entry {
    std::string key;
    std::string value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  IniStore() = default;
  // From UTF-8 text; lines end with CR LF, LF or CR.
  static IniStore parse(std::string_view text);
  // From the CP1251 bytes of an options file.
  static IniStore parseCp1251(std::string_view bytes);
  static IniStore fromLines(const std::vector<std::string>& lines);

  const std::vector<Section>& sections() const { return sections_; }
  bool empty() const { return sections_.empty(); }

  // Index of the first section of that name ignoring case, or -1.
  int findSection(std::string_view name) const;
  // The value of the first key of that name ignoring case in the section, or null.
  const std::string* findValue(int section, std::string_view key) const;
  const std::string* findValue(std::string_view section, std::string_view key) const;
  std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;

 private:
  void addLine(std::string_view line);

  std::vector<Section> sections_;
  std::unordered_map<std::string, int> sectionIndex_;                   // upper-cased name → first
  std::vector<std::unordered_map<std::string, std::size_t>> keyIndex_;  // per section: upper key → first
};

}  // namespace tavra
