#pragma once
// The text of "Options.dat": sections in the order they are opened, keys in the order they are
// set (setting a key again replaces its value in place), CR LF line ends, a blank line after
// each section.
#include <string>
#include <utility>
#include <vector>

namespace tavra::skingen {

class OptionsWriter {
 public:
  // Opens a section (or returns to one opened before); later `set` calls go into it.
  OptionsWriter& section(const std::string& name);
  OptionsWriter& set(const std::string& key, const std::string& value);
  OptionsWriter& set(const std::string& key, int value) { return set(key, std::to_string(value)); }
  bool has(const std::string& sectionName) const;
  std::string text() const;

 private:
  struct Section {
    std::string name;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  std::vector<Section> sections_;
  size_t current_ = 0;
};

}  // namespace tavra::skingen
