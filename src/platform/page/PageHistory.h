#pragma once
// The pages a viewer has shown, for going back and forward: each entry is a page with the
// place it was scrolled to when the reader left it. Opening a page drops the entries ahead.
#include <cstddef>
#include <string>
#include <vector>

namespace tavra {

class PageHistory {
 public:
  struct Entry {
    std::string path;
    std::string fragment;
    int scrollY = 0;  // document pixels at zoom 100 %
  };
  static constexpr size_t kMaxEntries = 100;

  // A newly opened page becomes the current entry; the entries ahead of it are dropped.
  void push(Entry entry);
  bool canGoBack() const { return current_ > 0; }
  bool canGoForward() const { return current_ + 1 < entries_.size(); }
  // Moves to the entry behind or ahead and returns it; the current entry when there is none.
  const Entry& back();
  const Entry& forward();
  // The entry shown now (null before the first page).
  Entry* current() { return entries_.empty() ? nullptr : &entries_[current_]; }
  size_t size() const { return entries_.size(); }

 private:
  std::vector<Entry> entries_;
  size_t current_ = 0;
};

}  // namespace tavra
