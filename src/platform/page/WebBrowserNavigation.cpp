// The page viewer's navigation: requests and loading, showing a page, history, following links.
#include "platform/page/WebBrowser.h"

#include "platform/mhtml/Url.h"
#include "platform/page/WebBrowserDetail.h"
#include "winsys/Shell.h"

namespace tavra {

using namespace webbrowser_detail;

namespace {

// Only web and mail links go to the desktop's open action.
bool openableExternally(const std::string& url) {
  std::string scheme = urlScheme(url);
  return scheme == "http" || scheme == "https" || scheme == "mailto" || scheme == "ftp";
}

}  // namespace

// --- Requests and loading ---------------------------------------------------------------------

void TWebBrowser::Navigate(const std::string& path) { request(path, {}); }

void TWebBrowser::request(const std::string& path, const std::string& fragment, HistoryStep step) {
  // The page being left keeps its place for coming back to it.
  if (PageHistory::Entry* current = history_.current(); current && document_) current->scrollY = scrollY_ * 100 / zoom_;
  if (step == HistoryStep::Open) {
    history_.push({path, fragment, 0});
    restoreScrollY_ = -1;
  }
  requestedPath_ = path;
  if (OnBeforeNavigate2) OnBeforeNavigate2(*this, path);
  pendingPath_ = path;
  pendingFragment_ = fragment;
  pending_ = true;
  WindowSystem& ws = WindowSystem::instance();
  if (!ws.hasPosted(loaderWindow_->handle(), kLoadRequest)) loaderWindow_->post(kLoadRequest);
}

void TWebBrowser::loadPending() {
  if (!pending_) return;
  std::string path = pendingPath_;
  std::string fragment = pendingFragment_;
  pending_ = false;
  std::unique_ptr<PageDocument> document;
  try {
    document = std::make_unique<PageDocument>(loader_(path));
  } catch (const std::exception& e) {
    try {
      document = messageDocument(path, e.what());
    } catch (const std::exception&) {
      document.reset();
    }
  }
  // A request made while this one loaded wins; it is already on its way.
  if (pending_) return;
  show(std::move(document), fragment);
}

void TWebBrowser::show(std::unique_ptr<PageDocument> document, const std::string& fragment) {
  document_ = std::move(document);
  selectionFirst_ = selectionLast_ = anchorRun_ = -1;
  selecting_ = dragging_ = false;
  scrollY_ = 0;
  scrollX_ = 0;
  relayout();
  if (document_ && restoreScrollY_ >= 0) {
    scrollTo(scaled(restoreScrollY_));
  } else if (document_ && !fragment.empty()) {
    if (auto y = document_->anchorY(fragment)) scrollTo(scaled(*y));
  }
  restoreScrollY_ = -1;
  matches_.clear();
  currentMatch_ = -1;
  if (findBar_->visible() && !findQuery_.empty()) Find(findQuery_);
  Invalidate();
  ++documentsShown_;
  if (OnDocumentComplete) OnDocumentComplete(*this);
}

// --- History -------------------------------------------------------------------------------------

void TWebBrowser::revisit(const PageHistory::Entry& entry) {
  restoreScrollY_ = entry.scrollY;
  request(entry.path, entry.fragment, HistoryStep::Revisit);
}

void TWebBrowser::GoBack() {
  if (!canGoBack()) return;
  if (PageHistory::Entry* current = history_.current(); current && document_) current->scrollY = scrollY_ * 100 / zoom_;
  revisit(history_.back());
}

void TWebBrowser::GoForward() {
  if (!canGoForward()) return;
  if (PageHistory::Entry* current = history_.current(); current && document_) current->scrollY = scrollY_ * 100 / zoom_;
  revisit(history_.forward());
}

// --- Links ---------------------------------------------------------------------------------------

void TWebBrowser::follow(const PageDocument::Link& link) {
  switch (link.kind) {
    case PageDocument::Link::Kind::Anchor:
      if (!document_) return;
      if (link.fragment.empty()) scrollTo(0);
      else if (auto y = document_->anchorY(link.fragment)) scrollTo(scaled(*y));
      return;
    case PageDocument::Link::Kind::Page:
      request(link.path, link.fragment);
      return;
    case PageDocument::Link::Kind::External:
      if (openableExternally(link.url)) shellOpen(link.url);
      return;
    case PageDocument::Link::Kind::None:
      return;
  }
}

}  // namespace tavra
