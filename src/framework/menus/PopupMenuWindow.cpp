#include "framework/menus/PopupMenuWindow.h"

#include <algorithm>

#include "winsys/WindowSystem.h"

namespace tavra {

PopupMenuWindow::PopupMenuWindow(TMenuItem& parent, TimerHandler onTimer) : parent_(parent), onTimer_(std::move(onTimer)) {
  items_ = parent_.visibleItems();
  layout();
  WindowParams p;
  p.className = "#32768";
  p.style = WS_POPUP | WS_DLGFRAME;
  p.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  p.bounds = Rect::fromSize(0, 0, size_.width, size_.height);
  p.background = systemColor(SysColor::Menu);
  p.proc = [this](Window& w, MessageId msg, WParam wp, LParam lp) -> LResult {
    switch (msg) {
      case WM_PAINT: {
        PaintScope scope = w.system().beginPaint(w);
        scope.canvas().setFont(systemFont());
        paint(scope.canvas());
        return 0;
      }
      case WM_ERASEBKGND:
        return 1;
      case WM_TIMER:
        if (onTimer_) onTimer_(*this, wp);
        return 0;
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      default:
        return w.system().defWindowProc(w, msg, wp, lp);
    }
  };
  window_ = WindowSystem::instance().createWindow(p);
}

PopupMenuWindow::~PopupMenuWindow() {
  if (window_) window_->setProc(nullptr);
}

// Measures every item and stacks them in columns; a menu taller than the desktop gets scroll
// arrows and the desktop's height.
void PopupMenuWindow::layout() {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(systemFont());
  entries_.clear();
  int x = 0, y = 0, columnWidth = 0, height = 0;
  size_t columnStart = 0;
  auto closeColumn = [&](size_t end) {
    for (size_t i = columnStart; i < end; ++i) entries_[i].rect.right = entries_[i].rect.left + columnWidth;
  };
  for (size_t i = 0; i < items_.size(); ++i) {
    TMenuItem* item = items_[i];
    if (i > 0 && item->breakKind() != TMenuBreak::mbNone) {
      closeColumn(i);
      x += columnWidth + kColumnGap;
      y = 0;
      columnWidth = 0;
      columnStart = i;
    }
    int w = 0, h = 0;
    item->MeasureItem(c, w, h, false);
    w = std::max(w, 0);
    h = std::max(h, 0);
    entries_.push_back({item, Rect::fromSize(x, y, w, h)});
    y += h;
    columnWidth = std::max(columnWidth, w);
    height = std::max(height, y);
  }
  closeColumn(items_.size());
  contentSize_ = {x + columnWidth, height};
  Size desktop = WindowSystem::instance().desktopSize();
  int width = std::max(contentSize_.width, 16) + 2 * kFrame;
  scrolls_ = contentSize_.height + 2 * kFrame > desktop.height;
  int total = scrolls_ ? desktop.height : std::max(contentSize_.height, 4) + 2 * kFrame;
  size_ = {width, total};
}

Rect PopupMenuWindow::itemArea() const {
  Rect client = Rect::fromSize(0, 0, size_.width - 2 * kFrame, size_.height - 2 * kFrame);
  if (scrolls_) client = {client.left, client.top + kArrowHeight, client.right, client.bottom - kArrowHeight};
  return client;
}

void PopupMenuWindow::showAt(Point topLeft) {
  Size desktop = WindowSystem::instance().desktopSize();
  topLeft.x = std::clamp(topLeft.x, 0, std::max(0, desktop.width - size_.width));
  topLeft.y = std::clamp(topLeft.y, 0, std::max(0, desktop.height - size_.height));
  window_->setBounds(Rect::fromSize(topLeft, size_));
  window_->showNoActivate();
}

Rect PopupMenuWindow::screenRect() const { return window_->bounds(); }

void PopupMenuWindow::setSelected(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == selected_) return;
  if (selected_ >= 0) window_->invalidateRect(itemRect(selected_));
  selected_ = index;
  if (selected_ >= 0) {
    scrollToShow(selected_);
    window_->invalidateRect(itemRect(selected_));
  }
}

void PopupMenuWindow::setShowAccelerators(bool on) {
  if (on == showAccelerators_) return;
  showAccelerators_ = on;
  window_->invalidate();
}

Rect PopupMenuWindow::itemRect(int index) const {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return {};
  Rect area = itemArea();
  return entries_[static_cast<size_t>(index)].rect.offsetBy(area.left, area.top - scrollOffset_);
}

Rect PopupMenuWindow::itemScreenRect(int index) const { return itemRect(index).offsetBy(window_->clientToScreen({0, 0})); }

int PopupMenuWindow::itemAt(Point screen) const {
  if (!contains(screen)) return -1;
  Point p = window_->screenToClient(screen);
  if (!itemArea().contains(p)) return -1;
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (itemRect(static_cast<int>(i)).contains(p)) return static_cast<int>(i);
  }
  return -1;
}

PopupMenuWindow::ScrollArrow PopupMenuWindow::arrowAt(Point screen) const {
  if (!scrolls_ || !contains(screen)) return ScrollArrow::None;
  Point p = window_->screenToClient(screen);
  Rect area = itemArea();
  if (p.y < area.top) return ScrollArrow::Up;
  if (p.y >= area.bottom) return ScrollArrow::Down;
  return ScrollArrow::None;
}

void PopupMenuWindow::scrollBy(int pixels) {
  int limit = std::max(0, contentHeight() - itemArea().height());
  int next = std::clamp(scrollOffset_ + pixels, 0, limit);
  if (next == scrollOffset_) return;
  scrollOffset_ = next;
  window_->invalidate();
}

void PopupMenuWindow::scrollToShow(int index) {
  if (!scrolls_ || index < 0 || index >= static_cast<int>(entries_.size())) return;
  Rect area = itemArea();
  Rect r = itemRect(index);
  if (r.top < area.top) scrollBy(r.top - area.top);
  else if (r.bottom > area.bottom) scrollBy(r.bottom - area.bottom);
}

void PopupMenuWindow::paint(Canvas& c) {
  Rect client = Rect::fromSize(0, 0, size_.width - 2 * kFrame, size_.height - 2 * kFrame);
  Color face = systemColor(SysColor::Menu);
  c.fillRect(client, face);
  Rect area = itemArea();
  {
    Canvas::StateSaver saver(c);
    c.intersectClip(area);
    Rect clip = c.clipBox();
    for (size_t i = 0; i < entries_.size(); ++i) {
      const Entry& e = entries_[i];
      Rect r = itemRect(static_cast<int>(i));
      if (e.item->breakKind() == TMenuBreak::mbBarBreak && i > 0) {
        // A bar break: an etched line between the columns.
        int x = r.left - kColumnGap / 2 - 1;
        c.fillRect({x, area.top, x + 1, area.bottom}, systemColor(SysColor::BtnShadow));
        c.fillRect({x + 1, area.top, x + 2, area.bottom}, systemColor(SysColor::BtnHighlight));
      }
      if (!r.intersects(clip)) continue;
      TOwnerDrawState state = 0;
      if (static_cast<int>(i) == selected_) state |= odSelected;
      if (!e.item->enabled()) state |= odDisabled | odGrayed;
      if (e.item->checked()) state |= odChecked;
      if (e.item->isDefault()) state |= odDefault;
      if (!showAccelerators_) state |= odNoAccel;
      Canvas::StateSaver itemSaver(c);
      e.item->DrawItem(c, r, state, false);
    }
  }
  if (!scrolls_) return;
  // Scroll arrows: a triangle in the middle of each band, grey at the end of the range.
  int limit = std::max(0, contentHeight() - area.height());
  for (bool up : {true, false}) {
    Rect band = up ? Rect{client.left, client.top, client.right, area.top} : Rect{client.left, area.bottom, client.right, client.bottom};
    c.fillRect(band, face);
    bool active = up ? scrollOffset_ > 0 : scrollOffset_ < limit;
    Color ink = active ? systemColor(SysColor::MenuText) : systemColor(SysColor::GrayText);
    int cx = band.left + band.width() / 2, cy = band.top + (band.height() - 4) / 2;
    for (int i = 0; i < 4; ++i) {
      int row = up ? i : 3 - i;
      c.fillRect(Rect::fromSize(cx - i, cy + row, 1 + 2 * i, 1), ink);
    }
  }
}

}  // namespace tavra
