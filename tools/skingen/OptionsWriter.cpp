#include "OptionsWriter.h"

#include <stdexcept>

namespace tavra::skingen {

OptionsWriter& OptionsWriter::section(const std::string& name) {
  for (size_t i = 0; i < sections_.size(); ++i) {
    if (sections_[i].name == name) {
      current_ = i;
      return *this;
    }
  }
  sections_.push_back(Section{name, {}});
  current_ = sections_.size() - 1;
  return *this;
}

OptionsWriter& OptionsWriter::set(const std::string& key, const std::string& value) {
  if (sections_.empty()) throw std::logic_error("a key before the first section");
  for (auto& entry : sections_[current_].entries) {
    if (entry.first == key) {
      entry.second = value;
      return *this;
    }
  }
  sections_[current_].entries.emplace_back(key, value);
  return *this;
}

bool OptionsWriter::has(const std::string& sectionName) const {
  for (const Section& s : sections_) {
    if (s.name == sectionName) return true;
  }
  return false;
}

std::string OptionsWriter::text() const {
  std::string out;
  for (const Section& s : sections_) {
    out += "[" + s.name + "]\r\n";
    for (const auto& [key, value] : s.entries) out += key + "=" + value + "\r\n";
    out += "\r\n";
  }
  return out;
}

}  // namespace tavra::skingen
