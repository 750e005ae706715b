// The tree view's painting: the dotted lines, the expand buttons, the pictures and the labels,
// with the selected item highlighted.
#include "framework/controls/TreeView.h"

#include <algorithm>

#include "framework/controls/TreeViewParts.h"

namespace tavra {

using treeview_parts::kLabelPadding;

namespace {

constexpr int kButtonBox = 9;

// Every other pixel, so dotted lines of neighbouring rows join up.
void dottedVertical(Canvas& c, int x, int y0, int y1, Color ink) {
  for (int y = y0 + ((x + y0) & 1); y < y1; y += 2) c.fillRect(Rect::fromSize(x, y, 1, 1), ink);
}

void dottedHorizontal(Canvas& c, int x0, int x1, int y, Color ink) {
  for (int x = x0 + ((x0 + y) & 1); x < x1; x += 2) c.fillRect(Rect::fromSize(x, y, 1, 1), ink);
}

}  // namespace

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
