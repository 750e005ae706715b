// The tree view's core: construction, properties, selection, expanding and collapsing, and
// scrolling. Row layout, input, tips and painting live in the other TreeView*.cpp files.
#include "framework/controls/TreeView.h"

#include <algorithm>
#include <vector>

namespace tavra {

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

}  // namespace tavra
