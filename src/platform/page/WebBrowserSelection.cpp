// The page viewer's selection: selecting text with the mouse (scrolling while dragging beyond the
// view), selecting all and copying.
#include "platform/page/WebBrowser.h"

#include <algorithm>
#include <cstdlib>

#include "platform/page/WebBrowserDetail.h"

namespace tavra {

using namespace webbrowser_detail;

namespace {

constexpr int kAutoScrollMs = 50;
constexpr int kDragThreshold = 3;

}  // namespace

void TWebBrowser::setSelection(int first, int last) {
  if (first == selectionFirst_ && last == selectionLast_) return;
  selectionFirst_ = first;
  selectionLast_ = last;
  if (document_) document_->setSelection(first, last);
  Invalidate();
}

std::string TWebBrowser::selectedText() {
  if (!document_ || selectionFirst_ < 0 || selectionLast_ < 0) return {};
  return document_->textOfRuns(selectionFirst_, selectionLast_);
}

void TWebBrowser::SelectAll() {
  if (!document_) return;
  int n = static_cast<int>(document_->textRuns().size());
  if (n > 0) setSelection(0, n - 1);
}

void TWebBrowser::CopyToClipboard() {
  std::string text = selectedText();
  if (!text.empty()) WindowSystem::instance().setClipboardText(text);
}

void TWebBrowser::pressed(Point client, bool doubleClick) {
  if (!document_) return;
  Point p = toDocument(client);
  int run = document_->runAt(p);
  if (doubleClick) {
    // A word: the run under the pointer.
    if (run >= 0) setSelection(run, run);
    selecting_ = false;
    pressLink_ = {};
    return;
  }
  pressLink_ = document_->linkAt(p);
  pressPoint_ = client;
  lastPointer_ = client;
  anchorRun_ = run;
  selecting_ = true;
  dragging_ = false;
  setSelection(-1, -1);
}

void TWebBrowser::dragged(Point client) {
  if (!selecting_ || !document_) return;
  lastPointer_ = client;
  if (!dragging_ && std::abs(client.x - pressPoint_.x) + std::abs(client.y - pressPoint_.y) < kDragThreshold) return;
  dragging_ = true;
  int run = document_->runAt(toDocument(client));
  if (anchorRun_ >= 0 && run >= 0) setSelection(anchorRun_, run);
  // Beyond an edge the view scrolls on its own while the button is held.
  bool outside = client.y < 0 || client.y >= clientHeight() || client.x < 0 || client.x >= clientWidth();
  WindowSystem& ws = WindowSystem::instance();
  if (outside && !ws.hasTimer(*loaderWindow_, kAutoScrollTimer)) ws.setTimer(*loaderWindow_, kAutoScrollTimer, kAutoScrollMs);
  if (!outside) ws.killTimer(*loaderWindow_, kAutoScrollTimer);
}

void TWebBrowser::autoScroll() {
  if (!selecting_ || !document_) {
    WindowSystem::instance().killTimer(*loaderWindow_, kAutoScrollTimer);
    return;
  }
  if (lastPointer_.y < 0) scrollTo(scrollY_ - kLineStep);
  else if (lastPointer_.y >= clientHeight()) scrollTo(scrollY_ + kLineStep);
  if (lastPointer_.x < 0) scrollToX(scrollX_ - kLineStep);
  else if (lastPointer_.x >= clientWidth()) scrollToX(scrollX_ + kLineStep);
  Point clamped{std::clamp(lastPointer_.x, 0, std::max(clientWidth() - 1, 0)), std::clamp(lastPointer_.y, 0, std::max(clientHeight() - 1, 0))};
  int run = document_->runAt(toDocument(clamped));
  if (anchorRun_ >= 0 && run >= 0) setSelection(anchorRun_, run);
}

void TWebBrowser::released(Point client) {
  (void)client;
  WindowSystem::instance().killTimer(*loaderWindow_, kAutoScrollTimer);
  bool wasClick = selecting_ && !dragging_;
  selecting_ = false;
  dragging_ = false;
  PageDocument::Link link = std::move(pressLink_);
  pressLink_ = {};
  if (wasClick && link.kind != PageDocument::Link::Kind::None) follow(link);
}

}  // namespace tavra
