#include "platform/page/WebBrowser.h"

#include <algorithm>
#include <cstdlib>

#include "platform/mhtml/Url.h"
#include "winsys/Keys.h"
#include "winsys/Shell.h"

namespace tavra {
namespace {

constexpr MessageId kLoadRequest = WM_APP + 0x57;
constexpr std::uintptr_t kAutoScrollTimer = 1;
constexpr int kAutoScrollMs = 50;
constexpr int kDragThreshold = 3;
constexpr unsigned kKeyF = 0x46;
constexpr unsigned kKeyF3 = 0x72;

// Only web and mail links go to the desktop's open action.
bool openableExternally(const std::string& url) {
  std::string scheme = urlScheme(url);
  return scheme == "http" || scheme == "https" || scheme == "mailto" || scheme == "ftp";
}

// A page that could not even be shown as the loader's own message: a plain one.
std::unique_ptr<PageDocument> messageDocument(const std::string& path, const std::string& reason) {
  LoadedPage page;
  page.path = path;
  page.status = PageStatus::Unreadable;
  page.archive = MhtmlArchive::fromHtml(unreadablePageHtml(path, reason), {});
  return std::make_unique<PageDocument>(std::move(page));
}

// The pointer over a document point: the hand over a link, the I-beam over selectable text.
TCursor pageCursorAt(PageDocument& document, Point p) {
  if (!document.hrefAt(p).empty()) return crHandPoint;
  if (document.text().runUnder(p) >= 0) return crIBeam;
  return crArrow;
}

}  // namespace

TWebBrowser::TWebBrowser(TComponent* owner)
    : TCustomControl(owner), loader_([](const std::string& path) { return loadPage(path); }), scrollBar_(*this, ScrollBar::Orientation::Vertical, ScrollBar::Visibility::Always),
      hScrollBar_(*this, ScrollBar::Orientation::Horizontal, ScrollBar::Visibility::WhenNeeded) {
  controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  setTabStop(true);
  setColor(clWindow);
  setBoundsQuiet(Rect::fromSize(0, 0, 300, 150));
  WindowParams p;
  p.className = "TPUtilWindow";
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
    if (msg == kLoadRequest) {
      loadPending();
      return 0;
    }
    if (msg == WM_TIMER && wp == kAutoScrollTimer) {
      autoScroll();
      return 0;
    }
    return w.system().defWindowProc(w, msg, wp, lp);
  };
  loaderWindow_ = WindowSystem::instance().createWindow(p);
  findBar_ = &make<PageFindBar>();
  findBar_->setVisible(false);
  findBar_->setParent(this);
  findBar_->OnSearch = [this](const std::string& text) { Find(text); };
  findBar_->OnStep = [this](bool backwards) { FindNext(backwards); };
  findBar_->OnClose = [this] { CloseFind(); };
  buildContextMenu();
}

TWebBrowser::~TWebBrowser() {
  setState(csDestroying);
  if (loaderWindow_) loaderWindow_->setProc(nullptr);
}

void TWebBrowser::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

void TWebBrowser::setBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (Window* w = window()) {
    std::uint32_t ex = w->exStyle() & ~static_cast<std::uint32_t>(WS_EX_CLIENTEDGE);
    w->setExStyle(style == TBorderStyle::bsSingle ? ex | WS_EX_CLIENTEDGE : ex);
    relayout();
  }
}

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

void TWebBrowser::relayout() {
  if (!document_) {
    hScrollBar_.setRange(0, 0);
    scrollBar_.setRange(0, 0);
    scrollX_ = scrollY_ = 0;
    return;
  }
  layoutDocument();
  markMatches();
  // The horizontal bar, coming or going, changes the view's height (never its width).
  int viewHeight = clientHeight();
  updateScrollBars();
  if (clientHeight() != viewHeight) {
    layoutDocument();
    updateScrollBars();
  }
}

void TWebBrowser::layoutDocument() {
  // Zoomed, the page is laid out for a view as much smaller or larger and drawn enlarged.
  int width = std::max(clientWidth() * 100 / zoom_, 1);
  int height = std::max(clientHeight() * 100 / zoom_, 1);
  try {
    document_->layout(width, height);
  } catch (const std::exception& e) {
    document_ = messageDocument(requestedPath_, e.what());
    document_->layout(width, height);
  }
}

Point TWebBrowser::toDocument(Point client) const {
  return {(client.x + scrollX_) * 100 / zoom_, (client.y + scrollY_) * 100 / zoom_};
}

// --- Finding ------------------------------------------------------------------------------------

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

// --- Context menu ---------------------------------------------------------------------------------

void TWebBrowser::buildContextMenu() {
  contextMenu_ = &make<TPopupMenu>();
  auto add = [this](TMenuItem& parent, const std::string& caption, std::function<void()> action) -> TMenuItem& {
    TMenuItem& item = make<TMenuItem>();
    item.setCaption(caption);
    if (action) item.OnClick = [action = std::move(action)](TComponent&) { action(); };
    parent.Add(item);
    return item;
  };
  TMenuItem& root = contextMenu_->Items();
  add(root, "Назад", [this] { GoBack(); });
  add(root, "Вперёд", [this] { GoForward(); });
  add(root, "-", nullptr);
  add(root, "Копировать", [this] { CopyToClipboard(); });
  add(root, "Выделить всё", [this] { SelectAll(); });
  add(root, "-", nullptr);
  add(root, "Найти…", [this] { ShowFind(); });
  TMenuItem& zoom = add(root, "Масштаб", nullptr);
  for (int step : kZoomSteps) {
    TMenuItem& item = add(zoom, std::to_string(step) + " %", [this, step] { setZoom(step); });
    item.setRadioItem(true);
  }
  contextMenu_->OnPopup = [this, &root, &zoom](TComponent&) {
    root.items(0)->setEnabled(canGoBack());
    root.items(1)->setEnabled(canGoForward());
    root.items(3)->setEnabled(!selectedText().empty());
    root.items(4)->setEnabled(document_ != nullptr);
    for (int i = 0; i < zoom.count(); ++i) zoom.items(i)->setChecked(kZoomSteps[i] == zoom_);
  };
}

void TWebBrowser::ShowContextMenu(Point screen) {
  contextMenu_->setPopupComponent(this);
  contextMenu_->Popup(screen.x, screen.y);
}

// --- History and zoom ---------------------------------------------------------------------------

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

void TWebBrowser::setZoom(int percent) {
  percent = std::clamp(percent, kZoomSteps[0], kZoomSteps[std::size(kZoomSteps) - 1]);
  if (percent == zoom_) return;
  // The reading position: the first word at the top of the view, and how far into it.
  const void* word = nullptr;
  int intoWord = 0;
  if (document_) {
    int top = (scrollY_ * 100 + zoom_ / 2) / zoom_;
    for (const auto& run : document_->textRuns()) {
      if (run.box.bottom > top) {
        word = run.element;
        intoWord = top - run.box.top;
        break;
      }
    }
  }
  zoom_ = percent;
  relayout();
  if (document_ && word) {
    for (const auto& run : document_->textRuns()) {
      if (run.element != word) continue;
      scrollTo(scaled(run.box.top + intoWord));
      break;
    }
  }
  Invalidate();
}

void TWebBrowser::ZoomIn() {
  for (int step : kZoomSteps) {
    if (step > zoom_) {
      setZoom(step);
      return;
    }
  }
}

void TWebBrowser::ZoomOut() {
  for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it) {
    if (*it < zoom_) {
      setZoom(*it);
      return;
    }
  }
}

void TWebBrowser::updateScrollBars() {
  int width = document_ ? scaled(document_->width()) : 0;
  hScrollBar_.setRange(std::max(width - 1, 0), std::max(clientWidth(), 1));
  scrollX_ = std::clamp(scrollX_, 0, hScrollBar_.maxPosition());
  hScrollBar_.setPosition(scrollX_);
  int height = document_ ? scaled(document_->height()) : 0;
  scrollBar_.setRange(std::max(height - 1, 0), std::max(clientHeight(), 1));
  scrollY_ = std::clamp(scrollY_, 0, scrollBar_.maxPosition());
  scrollBar_.setPosition(scrollY_);
}

// --- Scrolling ---------------------------------------------------------------------------------

void TWebBrowser::scrollTo(int y) {
  y = std::clamp(y, 0, scrollBar_.maxPosition());
  if (y == scrollY_) return;
  scrollY_ = y;
  scrollBar_.setPosition(y);
  Invalidate();
}

void TWebBrowser::scrollToX(int x) {
  x = std::clamp(x, 0, hScrollBar_.maxPosition());
  if (x == scrollX_) return;
  scrollX_ = x;
  hScrollBar_.setPosition(x);
  Invalidate();
}

void TWebBrowser::horizontalScrollRequest(unsigned code) {
  int page = std::max(clientWidth() - kLineStep, kLineStep);
  switch (code) {
    case SB_LINELEFT: scrollToX(scrollX_ - kLineStep); break;
    case SB_LINERIGHT: scrollToX(scrollX_ + kLineStep); break;
    case SB_PAGELEFT: scrollToX(scrollX_ - page); break;
    case SB_PAGERIGHT: scrollToX(scrollX_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scrollToX(hScrollBar_.trackPosition()); break;
    case SB_LEFT: scrollToX(0); break;
    case SB_RIGHT: scrollToX(hScrollBar_.maxPosition()); break;
    default: break;
  }
}

void TWebBrowser::scrollRequest(unsigned code) {
  int page = std::max(clientHeight() - kLineStep, kLineStep);
  switch (code) {
    case SB_LINEUP: scrollTo(scrollY_ - kLineStep); break;
    case SB_LINEDOWN: scrollTo(scrollY_ + kLineStep); break;
    case SB_PAGEUP: scrollTo(scrollY_ - page); break;
    case SB_PAGEDOWN: scrollTo(scrollY_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scrollTo(scrollBar_.trackPosition()); break;
    case SB_TOP: scrollTo(0); break;
    case SB_BOTTOM: scrollTo(scrollBar_.maxPosition()); break;
    default: break;
  }
}

bool TWebBrowser::KeyDown(unsigned& key, TShiftState shift) {
  if (TCustomControl::KeyDown(key, shift)) return true;
  bool ctrl = (shift & ssCtrl) != 0;
  bool alt = (shift & ssAlt) != 0;
  // With Alt only the arrows are the viewer's (back and forward); the rest belongs to the window:
  // Alt+Space opens its system menu, Alt+letter its menus.
  if (alt && key != VK_LEFT && key != VK_RIGHT) return false;
  switch (key) {
    case VK_UP: scrollRequest(SB_LINEUP); break;
    case VK_DOWN: scrollRequest(SB_LINEDOWN); break;
    case VK_LEFT:
    case VK_RIGHT:
      if (alt) {
        if (key == VK_LEFT) GoBack();
        else GoForward();
        break;
      }
      if (!hScrollBar_.scrollable()) return false;
      horizontalScrollRequest(key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT);
      break;
    case VK_BACK:
      if (shift & ssShift) GoForward();
      else GoBack();
      break;
    case VK_OEM_PLUS:
    case VK_ADD:
      if (!ctrl) return false;
      ZoomIn();
      break;
    case VK_OEM_MINUS:
    case VK_SUBTRACT:
      if (!ctrl) return false;
      ZoomOut();
      break;
    case VK_0:
    case VK_NUMPAD0:
      if (!ctrl) return false;
      setZoom(100);
      break;
    case VK_PRIOR: scrollRequest(SB_PAGEUP); break;
    case VK_NEXT: scrollRequest(SB_PAGEDOWN); break;
    case VK_SPACE: scrollRequest((shift & ssShift) ? SB_PAGEUP : SB_PAGEDOWN); break;
    case VK_HOME: scrollRequest(SB_TOP); break;
    case VK_END: scrollRequest(SB_BOTTOM); break;
    case VK_C:
    case VK_INSERT:
      if (!ctrl) return false;
      CopyToClipboard();
      break;
    case VK_A:
      if (!ctrl) return false;
      SelectAll();
      break;
    case kKeyF:
      if (!ctrl) return false;
      ShowFind();
      break;
    case kKeyF3:
      if (findQuery_.empty()) {
        ShowFind();
      } else {
        FindNext((shift & ssShift) != 0);
      }
      break;
    case VK_ESCAPE:
      if (!findBar_->visible()) return false;
      CloseFind();
      break;
    case VK_APPS:
    case VK_F10:
      if (key == VK_F10 && !(shift & ssShift)) return false;
      ShowContextMenu(clientToScreen({clientWidth() / 3, clientHeight() / 3}));
      break;
    default:
      return false;
  }
  key = 0;
  return true;
}

// --- Selection ---------------------------------------------------------------------------------

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

// --- Messages and painting -----------------------------------------------------------------------

void TWebBrowser::WndProc(TMessage& m) {
  // The vertical bar first; what it passes on to the default handling (the frame size and
  // paint) and what it does not take goes to the horizontal bar.
  auto callDefault = [this](TMessage& msg) { msg.Result = DefaultHandler(msg); };
  auto horizontalThenDefault = [&](TMessage& msg) {
    if (!hScrollBar_.handleMessage(msg, callDefault)) callDefault(msg);
  };
  bool taken = scrollBar_.handleMessage(m, horizontalThenDefault) || hScrollBar_.handleMessage(m, callDefault);
  if (m.Msg == WM_NCPAINT || m.Msg == WM_PRINT) paintCorner(m);
  if (taken) return;
  switch (m.Msg) {
    case WM_VSCROLL:
      scrollRequest(loWord(m.WParam_));
      return;
    case WM_HSCROLL:
      horizontalScrollRequest(loWord(m.WParam_));
      return;
    case WM_MOUSEWHEEL: {
      // Ctrl zooms, a step a notch; Shift turns the wheel sideways.
      if (loWord(m.WParam_) & MK_CONTROL) {
        int notches = scrollBar_.takeWheelNotches(m.WParam_);
        for (; notches > 0; --notches) ZoomIn();
        for (; notches < 0; ++notches) ZoomOut();
        return;
      }
      if (loWord(m.WParam_) & MK_SHIFT) {
        int notches = hScrollBar_.takeWheelNotches(m.WParam_);
        if (notches != 0) scrollToX(scrollX_ - notches * kWheelLines * kLineStep);
        return;
      }
      int notches = scrollBar_.takeWheelNotches(m.WParam_);
      if (notches != 0) scrollTo(scrollY_ - notches * kWheelLines * kLineStep);
      return;
    }
    case WM_XBUTTONUP:
      // The mouse's side buttons go back and forward, as in a browser.
      if (hiWord(m.WParam_) == XBUTTON1) GoBack();
      else if (hiWord(m.WParam_) == XBUTTON2) GoForward();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!focused() && canFocus()) setFocus();
      pressed({xFromLParam(m.LParam_), yFromLParam(m.LParam_)}, m.Msg == WM_LBUTTONDBLCLK);
      TCustomControl::WndProc(m);
      return;
    case WM_SETCURSOR:
      if (document_ && window() && m.WParam_ == window()->handle() && xFromLParam(m.LParam_) == HTCLIENT) {
        Point client = window()->screenToClient(WindowSystem::instance().cursorPos());
        WindowSystem::instance().setCursor(cursorShapeFor(pageCursorAt(*document_, toDocument(client))));
        m.Result = 1;
        return;
      }
      TCustomControl::WndProc(m);
      return;
    case WM_MOUSEMOVE:
      dragged({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      TCustomControl::WndProc(m);
      return;
    case WM_LBUTTONUP: {
      TCustomControl::WndProc(m);
      released({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      return;
    }
    case WM_CAPTURECHANGED:
      selecting_ = dragging_ = false;
      WindowSystem::instance().killTimer(*loaderWindow_, kAutoScrollTimer);
      TCustomControl::WndProc(m);
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      if (findBar_ && findBar_->visible()) placeFindBar();
      relayout();
      return;
    case WM_RBUTTONUP:
      TCustomControl::WndProc(m);
      ShowContextMenu(clientToScreen({xFromLParam(m.LParam_), yFromLParam(m.LParam_)}));
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

// The square where the two bars meet, in the bars' own look.
void TWebBrowser::paintCorner(const TMessage& m) {
  Window* w = window();
  if (!w || ScrollBar::cornerRect(scrollBar_, hScrollBar_).isEmpty()) return;
  if (m.Msg == WM_NCPAINT) {
    auto dc = WindowSystem::instance().getWindowDC(*w);
    ScrollBar::paintCorner(dc->canvas(), scrollBar_, hScrollBar_);
    return;
  }
  if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_); canvas && (m.LParam_ & PRF_NONCLIENT)) {
    ScrollBar::paintCorner(*canvas, scrollBar_, hScrollBar_);
  }
}

void TWebBrowser::Paint() {
  Canvas& c = *canvas();
  Rect clip = c.clipBox().intersected(clientRect());
  if (!document_) {
    c.fillRect(clientRect(), clWindow);
    return;
  }
  document_->draw(c, clip, {scrollX_, scrollY_}, zoom_ / 100.0);
}

}  // namespace tavra
