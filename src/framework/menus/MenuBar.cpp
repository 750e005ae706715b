#include "framework/menus/MenuBar.h"

#include <limits>

#include "framework/core/Form.h"
#include "framework/menus/MainMenu.h"
#include "framework/menus/MenuTracker.h"
#include "winsys/SystemMetrics.h"

namespace tavra {

MenuBar::MenuBar(TCustomForm& form) : form_(form) {}

void MenuBar::setMenu(TMainMenu* menu) {
  menu_ = menu;
  selected_ = -1;
  open_ = false;
}

int MenuBar::lineHeight() { return systemMetric(Metric::MenuBarHeight) - 1; }

int MenuBar::layoutWidth() const {
  const Window* w = form_.window();
  return w ? w->clientRect().width() : std::numeric_limits<int>::max();
}

std::vector<Rect> MenuBar::layout(int width) const {
  std::vector<Rect> rects;
  const int line = lineHeight();
  int x = 0, y = 0;
  for (int w : itemWidths()) {
    // The first item of a line stays on it however wide it is.
    if (x > 0 && x + w > width) {
      x = 0;
      y += line;
    }
    rects.push_back(Rect::fromSize(x, y, w, line));
    x += w;
  }
  return rects;
}

int MenuBar::heightFor(int width) const {
  if (!menu_ || menu_->Items().visibleItems().empty()) return 0;
  const std::vector<Rect> rects = layout(width);
  const int lines = rects.empty() ? 1 : rects.back().bottom / lineHeight();
  return lines * lineHeight() + 1;
}

int MenuBar::height() const { return heightFor(layoutWidth()); }

int MenuBar::lineCount() const {
  const int h = height();
  return h > 0 ? (h - 1) / lineHeight() : 0;
}

Rect MenuBar::barRect() const {
  Window* w = form_.window();
  int h = height();
  if (!w || h == 0) return {};
  Rect client = w->clientRect();
  return {client.left, client.top - h, client.right, client.top};
}

std::vector<TMenuItem*> MenuBar::items() const {
  if (!menu_) return {};
  return menu_->Items().visibleItems();
}

std::vector<int> MenuBar::itemWidths() const {
  std::vector<int> widths;
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(systemFont());
  for (TMenuItem* item : items()) {
    int w = 0, h = 0;
    item->MeasureItem(c, w, h, true);
    widths.push_back(std::max(w, 0));
  }
  return widths;
}

Rect MenuBar::itemRect(int index) const {
  Rect bar = barRect();
  if (bar.isEmpty() || index < 0) return {};
  const std::vector<Rect> rects = layout(bar.width());
  if (index >= static_cast<int>(rects.size())) return {};
  return rects[static_cast<size_t>(index)].offsetBy(bar.left, bar.top);
}

Rect MenuBar::itemScreenRect(int index) const {
  Window* w = form_.window();
  if (!w) return {};
  return itemRect(index).offsetBy(w->screenOrigin());
}

int MenuBar::itemAt(Point p) const {
  Rect bar = barRect();
  if (!bar.contains(p)) return -1;
  const std::vector<Rect> rects = layout(bar.width());
  for (int i = 0; i < static_cast<int>(rects.size()); ++i) {
    if (rects[static_cast<size_t>(i)].offsetBy(bar.left, bar.top).contains(p)) return i;
  }
  return -1;
}

int MenuBar::itemAtScreen(Point screen) const {
  Window* w = form_.window();
  return w ? itemAt(screen - w->screenOrigin()) : -1;
}

void MenuBar::setState(int selected, bool open, bool showAccelerators) {
  if (selected == selected_ && open == open_ && showAccelerators == showAccelerators_) return;
  selected_ = selected;
  open_ = open;
  showAccelerators_ = showAccelerators;
  invalidate();
}

void MenuBar::invalidate() const {
  if (Window* w = form_.window()) w->invalidateFrame();
}

void MenuBar::changed() {
  if (form_.isDestroying()) return;
  if (Window* w = form_.window()) {
    Rect client = w->clientRect();
    w->recalcFrame();
    if (w->clientRect() != client) form_.AlignControls();
    invalidate();
  }
}

void MenuBar::paint(Canvas& c) const {
  Rect bar = barRect();
  if (bar.isEmpty()) return;
  Canvas::StateSaver saver(c);
  c.intersectClip(bar);
  c.fillRect(bar, systemColor(SysColor::MenuBar));
  c.setFont(systemFont());
  std::vector<TMenuItem*> list = items();
  const std::vector<Rect> rects = layout(bar.width());
  for (int i = 0; i < static_cast<int>(list.size()) && i < static_cast<int>(rects.size()); ++i) {
    TMenuItem* item = list[static_cast<size_t>(i)];
    TOwnerDrawState state = 0;
    if (i == selected_) state |= open_ ? odSelected : odHotLight;
    if (!item->enabled()) state |= odDisabled | odGrayed;
    if (!showAccelerators_) state |= odNoAccel;
    Canvas::StateSaver itemSaver(c);
    item->DrawItem(c, rects[static_cast<size_t>(i)].offsetBy(bar.left, bar.top), state, true);
  }
}

bool MenuBar::handleMessage(TMessage& m, const std::function<void(TMessage&)>& callDefault) {
  int h = height();
  if (h == 0) return false;
  switch (m.Msg) {
    case WM_NCCALCSIZE: {
      callDefault(m);
      // The lines of the bar follow the width the client area is getting.
      auto* r = reinterpret_cast<Rect*>(m.LParam_);
      r->top = std::min(r->bottom, r->top + heightFor(r->width()));
      return true;
    }
    case WM_NCHITTEST: {
      Window* w = form_.window();
      if (!w) return false;
      Point p = Point{xFromLParam(m.LParam_), yFromLParam(m.LParam_)} - w->screenOrigin();
      if (!barRect().contains(p)) return false;
      m.Result = HTMENU;
      return true;
    }
    case WM_NCPAINT: {
      callDefault(m);
      if (Window* w = form_.window()) {
        auto dc = WindowSystem::instance().getWindowDC(*w);
        paint(dc->canvas());
      }
      return true;
    }
    case WM_PRINT:
      callDefault(m);
      if (auto* canvas = reinterpret_cast<Canvas*>(m.WParam_); canvas && (m.LParam_ & PRF_NONCLIENT)) paint(*canvas);
      return true;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: {
      if (static_cast<LResult>(m.WParam_) != HTMENU) return false;
      int index = itemAtScreen({xFromLParam(m.LParam_), yFromLParam(m.LParam_)});
      if (index >= 0) MenuTracker::trackBar(*this, index, MenuTracker::Start::Mouse);
      return true;
    }
    case WM_SYSCOMMAND: {
      if ((m.WParam_ & 0xFFF0) != SC_KEYMENU) return false;
      char32_t typed = static_cast<char32_t>(m.LParam_);
      if (typed == 0) {
        MenuTracker::trackBar(*this, 0, MenuTracker::Start::Keyboard);
        return true;
      }
      int index = MenuTracker::findByLetter(items(), typed, -1);
      if (index >= 0) MenuTracker::trackBar(*this, index, MenuTracker::Start::Accelerator);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace tavra
