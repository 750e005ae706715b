#include "framework/controls/TabControl.h"

#include <algorithm>

#include "framework/core/Draw3D.h"
#include "framework/core/ImageList.h"
#include "framework/controls/TabScroller.h"
#include "winsys/Keys.h"
#include "winsys/SystemMetrics.h"

namespace tavra {

TCustomTabControl::TCustomTabControl(TComponent* owner) : TCustomControl(owner) {
  controlStyle_ = csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks | csOpaque;
  setTabStop(true);
  setBoundsQuiet(Rect::fromSize(0, 0, 289, 193));
  tabs_.OnChange = [this] {
    if (tabIndex_ >= tabs_.Count()) tabIndex_ = -1;
    invalidateLayout();
  };
}

void TCustomTabControl::invalidateLayout() {
  layoutValid_ = false;
  if (isLoading() || isDestroying()) return;
  ensureLayout();
  AlignControls();
  Invalidate();
}

void TCustomTabControl::ensureLayout() {
  if (layoutValid_) return;
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font());
  std::vector<int> widths;
  widths.reserve(static_cast<size_t>(tabs_.Count()));
  // A picture widens its tab by its width and 3 pixels of space before the caption.
  for (int i = 0; i < tabs_.Count(); ++i) {
    const int picture = images_ && GetImageIndex(i) >= 0 ? images_->width() + 3 : 0;
    widths.push_back(c.textWidth(tabs_[i]) + picture);
  }
  TabLayoutOptions o;
  o.multiLine = multiLine_;
  o.bottom = tabPosition_ == TTabPosition::tpBottom;
  o.raggedRight = raggedRight_;
  o.fixedWidth = tabWidthSet_;
  o.tabHeight = tabHeightSet_;
  const int contentHeight = std::max(c.textMetrics().height, images_ ? images_->height() : 0);
  layout_.build(widths, contentHeight, clientRect().size(), o, tabIndex_);
  layoutValid_ = true;
  updateScroller();
}

const TabLayout& TCustomTabControl::layout() {
  ensureLayout();
  return layout_;
}

Rect TCustomTabControl::itemRect(int index) { return layout().itemRect(index); }

int TCustomTabControl::RowCount() { return layout().rowCount(); }

Rect TCustomTabControl::DisplayRect() { return layout().displayRect(); }

int TCustomTabControl::IndexOfTabAt(int x, int y) { return layout().tabAt({x, y}, tabIndex_); }

void TCustomTabControl::AdjustClientRect(Rect& rect) const {
  auto* self = const_cast<TCustomTabControl*>(this);
  rect = self->DisplayRect();
}

void TCustomTabControl::setTabIndex(int index) {
  if (index < -1 || index >= tabs_.Count()) return;
  if (index == tabIndex_) return;
  tabIndex_ = index;
  if (index >= 0 && layoutValid_) {
    int rows = layout_.rowCount();
    layout_.bringRowToPage(index);
    // Rows that moved change what lies where; a single row may have to scroll to the tab.
    if (rows > 1) AlignControls();
    if (layout_.needsScrolling()) {
      if (index < layout_.firstVisible()) layout_.setFirstVisible(index);
      while (layout_.itemRect(index).right > width() - 2 * systemMetric(Metric::HScrollHeight) && layout_.firstVisible() < index) {
        layout_.setFirstVisible(layout_.firstVisible() + 1);
      }
      updateScroller();
    }
  }
  Invalidate();
}

void TCustomTabControl::setMultiLine(bool m) {
  if (m == multiLine_) return;
  multiLine_ = m;
  invalidateLayout();
}

void TCustomTabControl::setRaggedRight(bool r) {
  if (r == raggedRight_) return;
  raggedRight_ = r;
  invalidateLayout();
}

void TCustomTabControl::setTabPosition(TTabPosition p) {
  if (p == tabPosition_) return;
  tabPosition_ = p;
  invalidateLayout();
}

void TCustomTabControl::setTabHeight(int h) {
  h = std::max(h, 0);
  if (h == tabHeightSet_) return;
  tabHeightSet_ = h;
  invalidateLayout();
}

void TCustomTabControl::setTabWidth(int w) {
  w = std::max(w, 0);
  if (w == tabWidthSet_) return;
  tabWidthSet_ = w;
  invalidateLayout();
}

void TCustomTabControl::setImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  invalidateLayout();
}

int TCustomTabControl::GetImageIndex(int tabIndex) {
  int index = tabIndex;
  if (OnGetImageIndex) OnGetImageIndex(*this, tabIndex, index);
  return index;
}

void TCustomTabControl::setOwnerDraw(bool on) {
  if (on == ownerDraw_) return;
  ownerDraw_ = on;
  Invalidate();
}

void TCustomTabControl::setStyle(TTabStyle s) {
  if (s == style_) return;
  style_ = s;
  Invalidate();
}

bool TCustomTabControl::CanChange() {
  bool allow = true;
  if (OnChanging) OnChanging(*this, allow);
  return allow;
}

void TCustomTabControl::Change() {
  if (OnChange) OnChange(*this);
}

void TCustomTabControl::chooseTab(int index) {
  if (index < 0 || index >= tabs_.Count() || index == tabIndex_) return;
  if (!CanChange()) return;
  setTabIndex(index);
  Change();
}

void TCustomTabControl::scrollTabs(int step) {
  layout_.setFirstVisible(layout_.firstVisible() + step);
  updateScroller();
  Invalidate();
}

void TCustomTabControl::updateScroller() {
  // The arrows are a child control; made before the window exists, they get theirs with it.
  bool needed = layout_.needsScrolling();
  if (!needed) {
    if (scroller_) scroller_->hide();
    return;
  }
  if (!scroller_) {
    scroller_ = &make<TTabScroller>();
    scroller_->setParent(this);
    scroller_->OnScroll = [this](int step) { scrollTabs(step); };
  }
  int w = 2 * systemMetric(Metric::HScrollHeight), h = systemMetric(Metric::HScrollHeight);
  int top = tabPosition_ == TTabPosition::tpBottom ? height() - layout_.tabHeight() : layout_.tabHeight() - h;
  scroller_->setBounds(width() - w, top, w, h);
  scroller_->canScrollBack = layout_.firstVisible() > 0;
  scroller_->canScrollForward = layout_.itemRect(layout_.count() - 1).right > width() - w;
  scroller_->show();
  scroller_->Invalidate();
}

void TCustomTabControl::Loaded() {
  TCustomControl::Loaded();
  invalidateLayout();
}

void TCustomTabControl::Resize() {
  invalidateLayout();
  TCustomControl::Resize();
}

void TCustomTabControl::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      TCustomControl::WndProc(m);
      // The platform's control selects on the press, and only tabs are hit.
      if (enabled()) chooseTab(IndexOfTabAt(xFromLParam(m.LParam_), yFromLParam(m.LParam_)));
      return;
    }
    case WM_KEYDOWN:
      if (!DoKeyDown(m)) return;
      if (m.WParam_ == VK_LEFT && tabIndex_ > 0) chooseTab(tabIndex_ - 1);
      else if (m.WParam_ == VK_RIGHT && tabIndex_ + 1 < tabs_.Count()) chooseTab(tabIndex_ + 1);
      else if (m.WParam_ == VK_RIGHT && tabIndex_ < 0 && tabs_.Count() > 0) chooseTab(0);
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TCustomControl::WndProc(m);
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TCustomControl::WndProc(m);
      invalidateLayout();
      return;
    default:
      break;
  }
  TCustomControl::WndProc(m);
}

//   ╭────╮            a tab: highlight on the left and top with a cut corner, shadow and dark
//   │ Ab │╮           shadow on the right; the selected tab is larger, drawn last, and open
// ──┘    └┴────────   to the page (its bottom covers the page's edge).
void TCustomTabControl::paintTab(Canvas& c, int index, bool selected) {
  bool bottom = tabPosition_ == TTabPosition::tpBottom;
  if (style_ != TTabStyle::tsTabs) {
    paintButtonTab(c, index, selected);
    return;
  }
  Rect r = selected ? layout_.selectedRect(index) : layout_.itemRect(index);
  if (r.isEmpty()) return;
  Color light = systemColor(SysColor::BtnHighlight);
  Color shadow = systemColor(SysColor::BtnShadow);
  Color dark = systemColor(SysColor::DarkShadow3D);
  c.fillRect(r, color());
  if (!bottom) {
    c.fillRect({r.left, r.top + 2, r.left + 1, r.bottom}, light);
    c.fillRect({r.left + 1, r.top + 1, r.left + 2, r.top + 2}, light);
    c.fillRect({r.left + 2, r.top, r.right - 2, r.top + 1}, light);
    c.fillRect({r.right - 2, r.top + 1, r.right - 1, r.top + 2}, dark);
    c.fillRect({r.right - 1, r.top + 2, r.right, r.bottom}, dark);
    c.fillRect({r.right - 2, r.top + 2, r.right - 1, r.bottom}, shadow);
  } else {
    c.fillRect({r.left, r.top, r.left + 1, r.bottom - 2}, light);
    c.fillRect({r.left + 1, r.bottom - 2, r.left + 2, r.bottom - 1}, dark);
    c.fillRect({r.left + 2, r.bottom - 1, r.right - 2, r.bottom}, dark);
    c.fillRect({r.left + 2, r.bottom - 2, r.right - 2, r.bottom - 1}, shadow);
    c.fillRect({r.right - 2, r.bottom - 2, r.right - 1, r.bottom - 1}, dark);
    c.fillRect({r.right - 1, r.top, r.right, r.bottom - 2}, dark);
    c.fillRect({r.right - 2, r.top, r.right - 1, r.bottom - 2}, shadow);
  }
  Rect text = layout_.itemRect(index);
  if (selected) text = text.offsetBy(0, bottom ? 1 : -1);
  paintCaption(c, index, text, selected);
}

// Picture and caption centred together, or what the owner draws.
void TCustomTabControl::paintCaption(Canvas& c, int index, const Rect& r, bool selected) {
  Canvas::StateSaver saver(c);
  c.setFont(font());
  c.setBackgroundMode(BackgroundMode::Transparent);
  if (ownerDraw_ && OnDrawTab) {
    c.intersectClip(r);
    OnDrawTab(*this, index, r, selected, c);
    return;
  }
  const std::string& caption = tabs_[index];
  unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  Rect text = r;
  const int picture = images_ ? GetImageIndex(index) : -1;
  if (picture >= 0) {
    const int textWidth = c.textWidth(caption);
    const int x = r.left + (r.width() - (textWidth + images_->width() + 3)) / 2;
    images_->draw(c, x, r.top + (r.height() - images_->height()) / 2, picture,
                  enabled() ? TImageList::DrawStyle::Normal : TImageList::DrawStyle::Disabled);
    text = {x + images_->width() + 3, r.top, x + images_->width() + 3 + textWidth, r.bottom};
    format = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  }
  if (enabled()) {
    c.setTextColor(font().color);
    c.drawText(caption, text, format);
  } else {
    DrawDisabledText(c, caption, text, format);
  }
  if (selected && focused()) {
    Rect box{text.left, text.top, text.left, text.top};
    c.drawText(caption, box, DT_SINGLELINE | DT_CALCRECT | DT_NOPREFIX);
    int w = box.width() + 6, h = box.height() + 2;
    Rect focusBox = Rect::fromSize(text.left + (text.width() - w) / 2, text.top + (text.height() - h) / 2, w, h);
    DrawFocusRect(c, focusBox);
  }
}

// Button styles: every tab a push button, the selected one pressed; flat buttons show only
// the pressed one's edge. There is no page edge.
void TCustomTabControl::paintButtonTab(Canvas& c, int index, bool selected) {
  Rect r = layout_.itemRect(index);
  if (r.isEmpty()) return;
  if (style_ == TTabStyle::tsButtons || selected) {
    DrawButtonFace(c, r, selected ? ButtonLook::Pressed : ButtonLook::Raised, false);
  }
  paintCaption(c, index, selected ? r.offsetBy(1, 1) : r, selected);
}

void TCustomTabControl::Paint() {
  ensureLayout();
  Canvas& c = *canvas();
  Rect client = clientRect();
  c.fillRect(client, color());
  if (style_ == TTabStyle::tsTabs) {
    Rect edge = layout_.pageRect();
    Frame3D(c, edge, systemColor(SysColor::BtnHighlight), systemColor(SysColor::DarkShadow3D), 1);
    Frame3D(c, edge, systemColor(SysColor::Light3D), systemColor(SysColor::BtnShadow), 1);
  }
  // Rows far from the page first, so nearer rows overlap them; the selected tab last.
  for (int row = 0; row < layout_.rowCount(); ++row) {
    for (int i = 0; i < layout_.count(); ++i) {
      if (i != tabIndex_ && layout_.row(i) == row) paintTab(c, i, false);
    }
  }
  if (tabIndex_ >= 0) paintTab(c, tabIndex_, true);
}

}  // namespace tavra
