// The tree view's layout: row height, the list of visible rows, and where each part of a row
// (button, picture, label) lies; hit testing goes by the same rectangles.
#include "framework/controls/TreeView.h"

#include <algorithm>
#include <vector>

#include "framework/controls/TreeViewParts.h"

namespace tavra {

using treeview_parts::kLabelPadding;

namespace {

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

}  // namespace

// --- Rows and geometry ---------------------------------------------------------------------------

int TCustomTreeView::itemHeight() const {
  if (itemHeight_ > 0) return itemHeight_;
  int h = measureLineHeight(font()) + 3;
  if (images_) h = std::max(h, images_->height());
  itemHeight_ = h + (h & 1);
  return itemHeight_;
}

int TCustomTreeView::visibleCount() const { return std::max(1, clientHeight() / itemHeight()); }

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

}  // namespace tavra
