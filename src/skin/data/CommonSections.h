#pragma once
// The skin manager's common sections: INI lines of sections that every skin gets when it lacks
// them. Read as a list of sections: "[NAME]" starts one, empty lines and lines starting with ";"
// are skipped, every other line belongs to the current section; lookups ignore letter case and
// a key's value is the text after the key and its "=".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

// The manager keeps the lines with every blank removed, except in comment lines.
std::vector<std::string> normalizeCommonSectionLines(const std::vector<std::string>& lines);

class CommonSections {
 public:
  struct Section {
    std::string name;
    std::vector<std::string> lines;
  };

  explicit CommonSections(const std::vector<std::string>& lines);

  const std::vector<Section>& sections() const { return sections_; }
  // The value of `key` in the section, or nothing when the key is missing.
  static std::optional<std::string> value(const Section& section, std::string_view key);

 private:
  std::vector<Section> sections_;
};

}  // namespace tavra
