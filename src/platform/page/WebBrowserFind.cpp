// The page viewer's find bar: opening and closing it, finding the matches, stepping through them.
#include "platform/page/WebBrowser.h"

#include <algorithm>

namespace tavra {

void TWebBrowser::placeFindBar() {
  findBar_->setBounds(0, std::max(clientHeight() - PageFindBar::kHeight, 0), clientWidth(), PageFindBar::kHeight);
}

void TWebBrowser::ShowFind() {
  placeFindBar();
  findBar_->setVisible(true);
  // A selected word is what the reader most likely looks for.
  std::string selected = selectedText();
  if (!selected.empty() && selected.size() < 100 && selected.find('\n') == std::string::npos) findBar_->edit().setText(selected);
  findBar_->edit().setFocus();
  findBar_->edit().SelectAll();
  if (!findBar_->query().empty()) Find(findBar_->query());
}

void TWebBrowser::CloseFind() {
  findBar_->setVisible(false);
  findQuery_.clear();
  matches_.clear();
  currentMatch_ = -1;
  if (document_) document_->setFindMarks({}, {});
  if (canFocus()) setFocus();
  Invalidate();
}

void TWebBrowser::Find(const std::string& text) {
  findQuery_ = text;
  matches_ = document_ ? document_->find(text) : std::vector<PageSearch::Match>{};
  currentMatch_ = -1;
  if (!matches_.empty() && document_) {
    // The first match at or below the top of the view, else the first of the page.
    int top = scrollY_ * 100 / zoom_;
    currentMatch_ = 0;
    for (size_t i = 0; i < matches_.size(); ++i) {
      std::vector<Rect> boxes = document_->boxesOf(matches_[i]);
      if (!boxes.empty() && boxes.front().top >= top) {
        currentMatch_ = static_cast<int>(i);
        break;
      }
    }
  }
  showMatch(currentMatch_);
}

void TWebBrowser::FindNext(bool backwards) {
  if (findQuery_ != findBar_->query() && !findBar_->query().empty()) Find(findBar_->query());
  if (matches_.empty()) return;
  int n = static_cast<int>(matches_.size());
  showMatch(((currentMatch_ < 0 ? 0 : currentMatch_ + (backwards ? -1 : 1)) % n + n) % n);
}

void TWebBrowser::showMatch(int index) {
  currentMatch_ = index;
  markMatches();
  findBar_->setResult(currentMatch_, static_cast<int>(matches_.size()));
  if (document_ && currentMatch_ >= 0) {
    // Into view, a third of the way down when it has to move.
    std::vector<Rect> boxes = document_->boxesOf(matches_[static_cast<size_t>(currentMatch_)]);
    if (!boxes.empty()) {
      int top = scaled(boxes.front().top);
      int bottom = scaled(boxes.back().bottom);
      int view = clientHeight() - (findBar_->visible() ? PageFindBar::kHeight : 0);
      if (top < scrollY_ || bottom > scrollY_ + view) scrollTo(top - view / 3);
      int left = scaled(boxes.front().left);
      if (left < scrollX_ || left > scrollX_ + clientWidth() - kLineStep) scrollToX(left - clientWidth() / 3);
    }
  }
  Invalidate();
}

// The marks follow the page through a new layout (zoom, a new width).
void TWebBrowser::markMatches() {
  if (!document_) return;
  if (findQuery_.empty() || matches_.empty()) {
    document_->setFindMarks({}, {});
    return;
  }
  std::vector<Rect> all;
  std::vector<Rect> current;
  for (size_t i = 0; i < matches_.size(); ++i) {
    std::vector<Rect> boxes = document_->boxesOf(matches_[i]);
    auto& into = static_cast<int>(i) == currentMatch_ ? current : all;
    into.insert(into.end(), boxes.begin(), boxes.end());
  }
  document_->setFindMarks(std::move(all), std::move(current));
}

}  // namespace tavra
