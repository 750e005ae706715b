#include "framework/core/Strings.h"

#include "framework/core/Application.h"

namespace tavra {

void TStringList::checkIndex(int index, bool allowEnd) const {
  int limit = Count() + (allowEnd ? 1 : 0);
  if (index < 0 || index >= limit) throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

void TStringList::changed() {
  if (OnChange) OnChange();
}

const std::string& TStringList::operator[](int index) const {
  checkIndex(index, false);
  return lines_[static_cast<size_t>(index)];
}

void TStringList::setString(int index, const std::string& s) {
  checkIndex(index, false);
  lines_[static_cast<size_t>(index)] = s;
  changed();
}

int TStringList::Add(const std::string& s) {
  lines_.push_back(s);
  changed();
  return Count() - 1;
}

void TStringList::Insert(int index, const std::string& s) {
  checkIndex(index, true);
  lines_.insert(lines_.begin() + index, s);
  changed();
}

void TStringList::Delete(int index) {
  checkIndex(index, false);
  lines_.erase(lines_.begin() + index);
  changed();
}

void TStringList::Clear() {
  if (lines_.empty()) return;
  lines_.clear();
  changed();
}

int TStringList::IndexOf(std::string_view s) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    if (lines_[i] == s) return static_cast<int>(i);
  }
  return -1;
}

std::string TStringList::Text() const {
  std::string out;
  for (const std::string& line : lines_) {
    out += line;
    out += "\r\n";
  }
  return out;
}

void TStringList::setText(std::string_view text) {
  lines_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines_.emplace_back(text.substr(start));
      break;
    }
    lines_.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  changed();
}

void TStringList::Assign(const std::vector<std::string>& lines) {
  lines_ = lines;
  changed();
}

}  // namespace tavra
