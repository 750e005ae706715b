#include "platform/page/PageHistory.h"

namespace tavra {

void PageHistory::push(Entry entry) {
  if (!entries_.empty()) entries_.resize(current_ + 1);
  entries_.push_back(std::move(entry));
  if (entries_.size() > kMaxEntries) entries_.erase(entries_.begin());
  current_ = entries_.size() - 1;
}

const PageHistory::Entry& PageHistory::back() {
  if (canGoBack()) --current_;
  return entries_.at(current_);
}

const PageHistory::Entry& PageHistory::forward() {
  if (canGoForward()) ++current_;
  return entries_.at(current_);
}

}  // namespace tavra
