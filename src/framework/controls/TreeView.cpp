#include "framework/controls/TreeView.h"

#include <algorithm>

#include "base/Text.h"
#include "framework/core/Application.h"
#include "framework/core/Draw3D.h"
#include "framework/controls/TreeViewTip.h"
#include "winsys/Keys.h"

namespace tavra {
namespace {

constexpr int kWheelRows = 3;
constexpr TimeMs kTypeAheadPause = 1000;
constexpr int kButtonBox = 9;
constexpr int kLabelPadding = 2;
constexpr std::uintptr_t kTipTimer = 0x54495031;  // 'TIP1'

int measureText(const Font& font, const std::string& text) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  return c.textWidth(text);
}

int measureLineHeight(const Font& font) {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  return c.textMetrics().height;
}

// Every other pixel, so dotted lines of neighbouring rows join up.
void dottedVertical(Canvas& c, int x, int y0, int y1, Color ink) {
  for (int y = y0 + ((x + y0) & 1); y < y1; y += 2) c.fillRect(Rect::fromSize(x, y, 1, 1), ink);
}

void dottedHorizontal(Canvas& c, int x0, int x1, int y, Color ink) {
  for (int x = x0 + ((x0 + y) & 1); x < x1; x += 2) c.fillRect(Rect::fromSize(x, y, 1, 1), ink);
}

}  // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner)
    : TCustomControl(owner), items_(std::make_unique<TTreeNodes>(*this)), scrollBar_(*this, ScrollBar::Orientation::Vertical, ScrollBar::Visibility::WhenNeeded) {
  controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csOpaque;
  setTabStop(true);
  setColor(clWindow);
  setBoundsQuiet(Rect::fromSize(0, 0, 121, 97));
}

TCustomTreeView::~TCustomTreeView() {
  setState(csDestroying);
  selected_ = nullptr;
  items_.reset();
}

void TCustomTreeView::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  if (borderStyle_ == TBorderStyle::bsSingle) p.exStyle |= WS_EX_CLIENTEDGE;
}

// --- Properties ----------------------------------------------------------------------------------

void TCustomTreeView::setSelected(TTreeNode* node) {
  if (node && &node->treeView() != this) return;
  changeSelection(node);
}

void TCustomTreeView::setImages(TImageList* images) {
  if (images == images_) return;
  images_ = images;
  itemHeight_ = 0;
  structureChanged();
}

void TCustomTreeView::setIndent(int pixels) {
  pixels = std::max(pixels, 0);
  if (pixels == indent_) return;
  indent_ = pixels;
  Invalidate();
}

void TCustomTreeView::setShowLines(bool on) {
  if (on == showLines_) return;
  showLines_ = on;
  Invalidate();
}

void TCustomTreeView::setShowButtons(bool on) {
  if (on == showButtons_) return;
  showButtons_ = on;
  Invalidate();
}

void TCustomTreeView::setShowRoot(bool on) {
  if (on == showRoot_) return;
  showRoot_ = on;
  Invalidate();
}

void TCustomTreeView::setHideSelection(bool on) {
  if (on == hideSelection_) return;
  hideSelection_ = on;
  invalidateNode(selected_);
}

void TCustomTreeView::setSelectionColors(Color fill, Color text) {
  if (fill == selectionColor_ && text == selectionTextColor_) return;
  selectionColor_ = fill;
  selectionTextColor_ = text;
  invalidateNode(selected_);
}

void TCustomTreeView::setBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  if (Window* w = window()) {
    std::uint32_t ex = w->exStyle() & ~static_cast<std::uint32_t>(WS_EX_CLIENTEDGE);
    w->setExStyle(style == TBorderStyle::bsSingle ? ex | WS_EX_CLIENTEDGE : ex);
    updateScrollRange();
  }
}

int TCustomTreeView::itemHeight() const {
  if (itemHeight_ > 0) return itemHeight_;
  int h = measureLineHeight(font()) + 3;
  if (images_) h = std::max(h, images_->height());
  itemHeight_ = h + (h & 1);
  return itemHeight_;
}

int TCustomTreeView::visibleCount() const { return std::max(1, clientHeight() / itemHeight()); }

TTreeNode* TCustomTreeView::topItem() const {
  const auto& all = rows();
  return topRow_ < static_cast<int>(all.size()) ? all[static_cast<size_t>(topRow_)] : nullptr;
}

void TCustomTreeView::setTopItem(TTreeNode* node) {
  int row = rowOf(node);
  if (row >= 0) scrollTo(row);
}

void TCustomTreeView::FullExpand() {
  items_->BeginUpdate();
  for (TTreeNode* n : items_->flat()) {
    if (n->hasChildren()) expandNode(*n, true, ExpandCause::Code);
  }
  items_->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
  const auto& all = items_->flat();
  for (auto it = all.rbegin(); it != all.rend(); ++it) expandNode(**it, false, ExpandCause::Code);
}

// --- Rows and geometry ---------------------------------------------------------------------------

const std::vector<TTreeNode*>& TCustomTreeView::rows() const {
  if (rowsValid_) return rows_;
  rows_.clear();
  std::vector<TTreeNode*> pending;
  const auto& roots = items_->topLevel();
  for (auto it = roots.rbegin(); it != roots.rend(); ++it) pending.push_back(it->get());
  while (!pending.empty()) {
    TTreeNode* n = pending.back();
    pending.pop_back();
    rows_.push_back(n);
    if (!n->expanded_) continue;
    for (auto it = n->children_.rbegin(); it != n->children_.rend(); ++it) pending.push_back(it->get());
  }
  rowsValid_ = true;
  return rows_;
}

int TCustomTreeView::rowOf(const TTreeNode* node) const {
  if (!node) return -1;
  const auto& all = rows();
  auto it = std::find(all.begin(), all.end(), node);
  return it == all.end() ? -1 : static_cast<int>(it - all.begin());
}

int TCustomTreeView::columnsOf(const TTreeNode& node) const { return node.level() + (showRoot_ ? 1 : 0); }

int TCustomTreeView::labelWidth(const TTreeNode& node) const {
  auto it = labelWidths_.find(&node);
  if (it != labelWidths_.end()) return it->second;
  int w = measureText(font(), node.text()) + 2 * kLabelPadding;
  labelWidths_[&node] = w;
  return w;
}

Rect TCustomTreeView::rowRect(const TTreeNode& node) const {
  int row = rowOf(&node);
  int h = itemHeight();
  if (row < topRow_) return {};
  int y = (row - topRow_) * h;
  if (y >= clientHeight()) return {};
  return {0, y, std::max(clientWidth(), 1), y + h};
}

Rect TCustomTreeView::buttonRect(const TTreeNode& node) const {
  Rect row = rowRect(node);
  int columns = columnsOf(node);
  if (row.isEmpty() || !showButtons_ || !node.hasChildren() || columns == 0) return {};
  int x = (columns - 1) * indent_;
  return {x, row.top, x + indent_, row.bottom};
}

Rect TCustomTreeView::iconRect(const TTreeNode& node) const {
  Rect row = rowRect(node);
  if (row.isEmpty() || !images_) return {};
  int x = columnsOf(node) * indent_;
  int top = row.top + (row.height() - images_->height()) / 2;
  return Rect::fromSize(x, top, images_->width(), images_->height());
}

Rect TCustomTreeView::labelRect(const TTreeNode& node) const {
  Rect row = rowRect(node);
  if (row.isEmpty()) return {};
  int x = columnsOf(node) * indent_ + (images_ ? images_->width() + 1 : 0);
  return {x, row.top, x + labelWidth(node), row.bottom};
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const {
  (void)x;
  if (y < 0 || y >= clientHeight()) return nullptr;
  int row = topRow_ + y / itemHeight();
  const auto& all = rows();
  return row < static_cast<int>(all.size()) ? all[static_cast<size_t>(row)] : nullptr;
}

THitTest TCustomTreeView::GetHitTestInfoAt(int x, int y) const {
  if (y < 0) return THitTest::htAbove;
  if (y >= clientHeight()) return THitTest::htBelow;
  TTreeNode* node = GetNodeAt(x, y);
  if (!node) return THitTest::htNowhere;
  Point p{x, y};
  if (buttonRect(*node).contains(p)) return THitTest::htOnButton;
  if (iconRect(*node).contains(p)) return THitTest::htOnIcon;
  Rect label = labelRect(*node);
  if (label.contains(p)) return THitTest::htOnLabel;
  return x < label.left ? THitTest::htOnIndent : THitTest::htOnRight;
}

// --- Changes -------------------------------------------------------------------------------------

void TCustomTreeView::nodeChanged(const TTreeNode& node) {
  if (&node == tipNode_) hideTip();
  labelWidths_.erase(&node);
  Rect row = rowRect(node);
  if (Window* w = window(); w && !row.isEmpty()) w->invalidateRect(row);
}

void TCustomTreeView::structureChanged() {
  rowsValid_ = false;
  if (isDestroying()) return;
  hideTip();
  updateScrollRange();
  Invalidate();
}

void TCustomTreeView::nodeDeleting(TTreeNode& node) {
  if (tipNode_ && (tipNode_ == &node || tipNode_->hasAsParent(&node))) hideTip();
  if (selected_ && (selected_ == &node || selected_->hasAsParent(&node))) selected_ = nullptr;
  labelWidths_.clear();
}

void TCustomTreeView::invalidateNode(const TTreeNode* node) {
  if (!node) return;
  Rect row = rowRect(*node);
  if (Window* w = window(); w && !row.isEmpty()) w->invalidateRect(row);
}

void TCustomTreeView::Change(TTreeNode* node) {
  if (OnChange) OnChange(*this, node);
}

bool TCustomTreeView::changeSelection(TTreeNode* node) {
  if (node == selected_) return true;
  if (OnChanging) {
    bool allow = true;
    OnChanging(*this, node, allow);
    if (!allow) return false;
  }
  TTreeNode* old = selected_;
  selected_ = node;
  invalidateNode(old);
  if (node) {
    makeVisible(*node);
    invalidateNode(node);
  }
  Change(node);
  return true;
}

bool TCustomTreeView::expandNode(TTreeNode& node, bool expand, ExpandCause cause) {
  if (expand == node.expanded_) return true;
  if (expand && !node.hasChildren()) return false;
  bool allow = true;
  if (expand && OnExpanding) OnExpanding(*this, &node, allow);
  if (!expand && OnCollapsing) OnCollapsing(*this, &node, allow);
  if (!allow) return false;
  node.expanded_ = expand;
  hideTip();
  rowsValid_ = false;
  updateScrollRange();
  Invalidate();
  if (!expand && selected_ && selected_->hasAsParent(&node)) changeSelection(&node);
  if (expand && cause == ExpandCause::User) {
    // Show as many of the new rows as fit, keeping the node itself in view.
    int row = rowOf(&node);
    int shown = 0;
    for (TTreeNode* n = node.getNextVisible(); n && n->hasAsParent(&node); n = n->getNextVisible()) ++shown;
    int page = visibleCount();
    if (row >= 0 && row + shown >= topRow_ + page) scrollTo(std::min(row, row + shown - page + 1));
  }
  if (expand && OnExpanded) OnExpanded(*this, &node);
  if (!expand && OnCollapsed) OnCollapsed(*this, &node);
  return true;
}

void TCustomTreeView::toggle(TTreeNode& node) { expandNode(node, !node.expanded_, ExpandCause::User); }

void TCustomTreeView::makeVisible(TTreeNode& node) {
  std::vector<TTreeNode*> ancestors;
  for (TTreeNode* p = node.parent_; p; p = p->parent_) ancestors.push_back(p);
  for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) expandNode(**it, true, ExpandCause::Code);
  int row = rowOf(&node);
  if (row < 0) return;
  int page = visibleCount();
  if (row < topRow_) scrollTo(row);
  else if (row >= topRow_ + page) scrollTo(row - page + 1);
}

// --- Scrolling -----------------------------------------------------------------------------------

void TCustomTreeView::updateScrollRange() {
  int n = static_cast<int>(rows().size());
  int page = visibleCount();
  scrollBar_.setRange(std::max(n - 1, 0), page);
  topRow_ = std::clamp(topRow_, 0, std::max(0, n - page));
  scrollBar_.setPosition(topRow_);
}

void TCustomTreeView::scrollTo(int topRow) {
  int n = static_cast<int>(rows().size());
  topRow = std::clamp(topRow, 0, std::max(0, n - visibleCount()));
  if (topRow == topRow_) return;
  topRow_ = topRow;
  hideTip();
  scrollBar_.setPosition(topRow_);
  Invalidate();
}

void TCustomTreeView::scrollRequest(unsigned code) {
  int page = visibleCount();
  switch (code) {
    case SB_LINEUP: scrollTo(topRow_ - 1); break;
    case SB_LINEDOWN: scrollTo(topRow_ + 1); break;
    case SB_PAGEUP: scrollTo(topRow_ - page); break;
    case SB_PAGEDOWN: scrollTo(topRow_ + page); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: scrollTo(scrollBar_.trackPosition()); break;
    case SB_TOP: scrollTo(0); break;
    case SB_BOTTOM: scrollTo(static_cast<int>(rows().size())); break;
    default: break;
  }
}

// --- Input ---------------------------------------------------------------------------------------

void TCustomTreeView::mousePressed(int x, int y, bool doubleClick) {
  TTreeNode* node = GetNodeAt(x, y);
  if (!node) return;
  switch (GetHitTestInfoAt(x, y)) {
    case THitTest::htOnButton:
      toggle(*node);
      break;
    case THitTest::htOnIcon:
    case THitTest::htOnLabel:
      changeSelection(node);
      if (doubleClick && node->hasChildren()) toggle(*node);
      break;
    default:
      break;
  }
}

bool TCustomTreeView::KeyDown(unsigned& key, TShiftState shift) {
  if (TCustomControl::KeyDown(key, shift)) return true;
  const auto& all = rows();
  if (all.empty()) return false;
  int n = static_cast<int>(all.size());
  int page = visibleCount();
  if (shift & ssCtrl) {
    // Ctrl with the movement keys scrolls and leaves the selection.
    switch (key) {
      case VK_UP: scrollTo(topRow_ - 1); break;
      case VK_DOWN: scrollTo(topRow_ + 1); break;
      case VK_PRIOR: scrollTo(topRow_ - page); break;
      case VK_NEXT: scrollTo(topRow_ + page); break;
      case VK_HOME: scrollTo(0); break;
      case VK_END: scrollTo(n); break;
      default: return false;
    }
    key = 0;
    return true;
  }
  TTreeNode* current = selected_ && selected_->isVisible() ? selected_ : nullptr;
  int row = current ? rowOf(current) : -1;
  auto at = [&](int r) { return all[static_cast<size_t>(std::clamp(r, 0, n - 1))]; };
  TTreeNode* target = nullptr;
  switch (key) {
    case VK_UP: target = row < 0 ? at(0) : at(row - 1); break;
    case VK_DOWN: target = row < 0 ? at(0) : at(row + 1); break;
    case VK_HOME: target = at(0); break;
    case VK_END: target = at(n - 1); break;
    case VK_PRIOR: target = at(std::max(row, 0) - std::max(1, page - 1)); break;
    case VK_NEXT: target = at(std::max(row, 0) + std::max(1, page - 1)); break;
    case VK_LEFT:
      if (!current) target = at(0);
      else if (current->expanded_ && current->hasChildren()) expandNode(*current, false, ExpandCause::User);
      else target = current->parent_;
      break;
    case VK_RIGHT:
      if (!current) target = at(0);
      else if (current->hasChildren() && !current->expanded_) expandNode(*current, true, ExpandCause::User);
      else if (current->hasChildren()) target = current->getFirstChild();
      break;
    case VK_ADD:
      if (current) expandNode(*current, true, ExpandCause::User);
      break;
    case VK_SUBTRACT:
      if (current) expandNode(*current, false, ExpandCause::User);
      break;
    case VK_MULTIPLY:
      if (current) {
        current->Expand(true);
        expandNode(*current, true, ExpandCause::User);
      }
      break;
    case VK_BACK:
      if (current) target = current->parent_;
      break;
    default:
      return false;
  }
  // The row moved to comes into view even when it was selected already.
  if (target && changeSelection(target)) makeVisible(*target);
  key = 0;
  return true;
}

void TCustomTreeView::KeyPress(char32_t& key) {
  TCustomControl::KeyPress(key);
  if (key == 0 || key < 32) return;
  TTreeNode* current = selected_ && selected_->isVisible() ? selected_ : nullptr;
  if (key == U'+' || key == U'-' || key == U'*') {
    if (current && key == U'+') expandNode(*current, true, ExpandCause::User);
    if (current && key == U'-') expandNode(*current, false, ExpandCause::User);
    if (current && key == U'*') current->Expand(true);
    key = 0;
    return;
  }
  typeAhead(key);
  key = 0;
}

// Typing selects the next row whose text starts with what was typed within the last second;
// the same letter typed again moves on to the next row starting with it.
void TCustomTreeView::typeAhead(char32_t ch) {
  TimeMs now = WindowSystem::instance().now();
  if (now - typedAt_ > kTypeAheadPause) typed_.clear();
  typedAt_ = now;
  typed_ += ch;
  const auto& all = rows();
  int n = static_cast<int>(all.size());
  if (n == 0) return;
  int row = std::max(rowOf(selected_), 0);
  bool sameLetter = std::all_of(typed_.begin(), typed_.end(), [&](char32_t c) { return c == typed_.front(); });
  auto search = [&](const std::u32string& prefix, int start) -> TTreeNode* {
    std::string wanted = toUpperUtf8(codePointsToUtf8(prefix));
    for (int i = 0; i < n; ++i) {
      TTreeNode* node = all[static_cast<size_t>((start + i) % n)];
      if (toUpperUtf8(node->text()).starts_with(wanted)) return node;
    }
    return nullptr;
  };
  TTreeNode* found = search(typed_, typed_.size() == 1 ? row + 1 : row);
  if (!found && sameLetter) found = search(typed_.substr(0, 1), row + 1);
  if (found) changeSelection(found);
}

// --- Tips for cut-off items ----------------------------------------------------------------------

bool TCustomTreeView::tipShowing() const { return tip_ && tip_->shownNow(); }

// Cut off: the label runs past the right edge of the client area.
bool TCustomTreeView::isCut(const TTreeNode& node) const {
  Rect label = labelRect(node);
  return !label.isEmpty() && label.right > clientWidth();
}

void TCustomTreeView::pointerMoved(int x, int y, bool buttonHeld) {
  TTreeNode* node = nullptr;
  if (!buttonHeld && GetHitTestInfoAt(x, y) == THitTest::htOnLabel) {
    node = GetNodeAt(x, y);
    if (node && !isCut(*node)) node = nullptr;
  }
  if (node == tipNode_) return;
  bool wasShowing = tipShowing();
  hideTip();
  if (!node || !handleAllocated()) return;
  tipNode_ = node;
  int pause = 500;
  if (TApplication::exists()) pause = wasShowing ? Application().HintShortPause : Application().HintPause;
  WindowSystem::instance().setTimer(*window(), kTipTimer, std::max(pause, 1));
}

void TCustomTreeView::showTip() {
  if (!tipNode_ || !showing() || !handleAllocated() || !isCut(*tipNode_)) return;
  // One tip at a time: the view's own hint gives way to the item's.
  if (TApplication::exists()) Application().CancelHint();
  if (!tip_) tip_ = &make<TreeViewTip>();
  Rect label = labelRect(*tipNode_);
  Point origin = clientToScreen(label.topLeft());
  tip_->showOver(Rect::fromSize(origin, label.size()), tipNode_->text(), font(), kLabelPadding);
}

void TCustomTreeView::hideTip() {
  if (handleAllocated() && WindowSystem::exists()) WindowSystem::instance().killTimer(*window(), kTipTimer);
  tipNode_ = nullptr;
  if (tip_ && tip_->visible()) tip_->ReleaseHandle();
}

void TCustomTreeView::WndProc(TMessage& m) {
  switch (m.Msg) {
    case WM_MOUSEMOVE:
      pointerMoved(xFromLParam(m.LParam_), yFromLParam(m.LParam_), (m.WParam_ & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0);
      break;
    case WM_TIMER:
      if (m.WParam_ != kTipTimer) break;
      WindowSystem::instance().killTimer(*window(), kTipTimer);
      showTip();
      return;
    case CM_MOUSELEAVE:
      // The pointer left the view itself (not one of its parts).
      if (m.LParam_ == 0) hideTip();
      break;
    case WM_NCMOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE:
    case WM_DESTROY:
      hideTip();
      break;
    default:
      break;
  }
  if (scrollBar_.handleMessage(m, [this](TMessage& msg) { msg.Result = DefaultHandler(msg); })) return;
  switch (m.Msg) {
    case WM_VSCROLL:
      scrollRequest(loWord(m.WParam_));
      return;
    case WM_MOUSEWHEEL: {
      int notches = scrollBar_.takeWheelNotches(m.WParam_);
      if (notches != 0) scrollTo(topRow_ - notches * kWheelRows);
      return;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!focused() && canFocus()) setFocus();
      mousePressed(xFromLParam(m.LParam_), yFromLParam(m.LParam_), m.Msg == WM_LBUTTONDBLCLK);
      TCustomControl::WndProc(m);
      return;
    case WM_SETFOCUS:
      TCustomControl::WndProc(m);
      if (!selected_ && !rows().empty()) changeSelection(rows().front());
      invalidateNode(selected_);
      return;
    case WM_KILLFOCUS:
      TCustomControl::WndProc(m);
      invalidateNode(selected_);
      return;
    case WM_SIZE:
      TCustomControl::WndProc(m);
      updateScrollRange();
      return;
    case CM_FONTCHANGED:
      labelWidths_.clear();
      itemHeight_ = 0;
      TCustomControl::WndProc(m);
      structureChanged();
      return;
    default:
      TCustomControl::WndProc(m);
  }
}

// --- Painting ------------------------------------------------------------------------------------

void TCustomTreeView::paintLines(Canvas& c, const TTreeNode& node, const Rect& row) const {
  int columns = columnsOf(node);
  if (columns == 0) return;
  Color ink = systemColor(SysColor::BtnShadow);
  int mid = row.top + row.height() / 2;
  int cx = (columns - 1) * indent_ + indent_ / 2;
  bool joinsAbove = node.parent_ != nullptr || node.getPrevSibling() != nullptr;
  if (joinsAbove) dottedVertical(c, cx, row.top, mid, ink);
  if (node.getNextSibling()) dottedVertical(c, cx, mid, row.bottom, ink);
  dottedHorizontal(c, cx, columns * indent_, mid, ink);
  for (const TTreeNode* p = node.parent_; p; p = p->parent_) {
    int col = columnsOf(*p) - 1;
    if (col >= 0 && p->getNextSibling()) dottedVertical(c, col * indent_ + indent_ / 2, row.top, row.bottom, ink);
  }
}

//  The button: a 9 × 9 grey box, white inside, with a black minus (expanded) or plus.
void TCustomTreeView::paintButton(Canvas& c, const TTreeNode& node) const {
  Rect cell = buttonRect(node);
  if (cell.isEmpty()) return;
  Rect box = Rect::fromSize(cell.left + (cell.width() - kButtonBox) / 2, cell.top + (cell.height() - kButtonBox) / 2, kButtonBox, kButtonBox);
  c.fillRect(box, clWindow);
  c.frameRect(box, systemColor(SysColor::BtnShadow));
  Color ink = clWindowText;
  c.fillRect(Rect::fromSize(box.left + 2, box.top + 4, 5, 1), ink);
  if (!node.expanded_) c.fillRect(Rect::fromSize(box.left + 4, box.top + 2, 1, 5), ink);
}

void TCustomTreeView::Paint() {
  Canvas& c = *canvas();
  Rect client = clientRect();
  c.fillRect(client, color());
  const auto& all = rows();
  int h = itemHeight();
  int last = std::min(static_cast<int>(all.size()), topRow_ + client.height() / h + 2);
  Rect clip = c.clipBox();
  bool focusedNow = focused();
  c.setBackgroundMode(BackgroundMode::Transparent);
  for (int r = topRow_; r < last; ++r) {
    const TTreeNode& node = *all[static_cast<size_t>(r)];
    Rect row{0, (r - topRow_) * h, client.right, (r - topRow_ + 1) * h};
    if (!row.intersects(clip)) continue;
    if (showLines_) paintLines(c, node, row);
    if (showButtons_) paintButton(c, node);
    bool isSelected = &node == selected_;
    if (images_) {
      int index = isSelected ? node.selectedIndex_ : node.imageIndex_;
      Rect icon = iconRect(node);
      images_->draw(c, icon.left, icon.top, index);
    }
    Rect label = labelRect(node);
    Color ink = font().color;
    // An item without text has nothing to mark: its bare padding would show as a thin bar.
    if (isSelected && !node.text_.empty() && (focusedNow || !hideSelection_)) {
      c.fillRect(label, focusedNow ? selectionColor_ : clBtnFace);
      if (focusedNow) ink = selectionTextColor_;
    }
    if (!enabled()) ink = clGrayText;
    c.setTextColor(ink);
    c.drawText(node.text_, label.inflatedBy(-kLabelPadding, 0), DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP);
  }
}

}  // namespace tavra
