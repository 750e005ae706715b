// The page viewer's core: construction, layout and zoom, the scroll bars and scrolling, painting.
#include "platform/page/WebBrowser.h"

#include <algorithm>

#include "platform/page/WebBrowserDetail.h"

namespace tavra {

using namespace webbrowser_detail;

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

// --- Layout and zoom -----------------------------------------------------------------------------

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

// --- Painting ------------------------------------------------------------------------------------

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
