#pragma once
// A list of text lines (a memo's Lines, a tab control's Tabs, a radio group's Items), with the
// joined Text form and a change notification for the control that shows it.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

class TStringList {
 public:
  int Count() const { return static_cast<int>(lines_.size()); }
  bool empty() const { return lines_.empty(); }
  // Line i; throws Exception ("List index out of bounds (i)") outside 0 to Count − 1.
  const std::string& operator[](int index) const;
  const std::string& Strings(int index) const { return (*this)[index]; }
  void setString(int index, const std::string& s);
  int Add(const std::string& s);
  void Insert(int index, const std::string& s);
  void Delete(int index);
  void Clear();
  int IndexOf(std::string_view s) const;
  // The lines joined, each followed by a line break; setting splits at "\r\n", "\n" or "\r".
  std::string Text() const;
  void setText(std::string_view text);
  void Assign(const std::vector<std::string>& lines);
  const std::vector<std::string>& lines() const { return lines_; }

  // Runs after every change.
  std::function<void()> OnChange;

 private:
  void checkIndex(int index, bool allowEnd) const;
  void changed();
  std::vector<std::string> lines_;
};

}  // namespace tavra
