#include "framework/controls/TabLayout.h"

#include <algorithm>

namespace tavra {

void TabLayout::build(const std::vector<int>& textWidths, int textHeight, Size size, const TabLayoutOptions& o, int selected) {
  size_ = size;
  bottom_ = o.bottom;
  multiLine_ = o.multiLine;
  tabHeight_ = o.tabHeight > 0 ? o.tabHeight : textHeight + 2 + kVerticalPadding;
  items_.assign(textWidths.size(), {});
  rows_ = items_.empty() ? 0 : 1;
  needsScrolling_ = false;
  const int limit = size.width - kBorder - kPadding;
  int x = 0;
  int row = 0;
  for (size_t i = 0; i < items_.size(); ++i) {
    int w = o.fixedWidth > 0 ? o.fixedWidth : std::max(textWidths[i] + 2 * kHorizontalPadding, kMinTabWidth);
    Item& it = items_[i];
    it.left = x;
    it.right = x + w;
    if (o.multiLine && it.right > limit && x > 0) {
      ++row;
      it.left = 0;
      it.right = w;
    }
    it.row = row;
    x = it.right;
  }
  rows_ = items_.empty() ? 0 : row + 1;
  if (!o.multiLine) {
    needsScrolling_ = !items_.empty() && items_.back().right + kSelectedOffset > size.width;
    firstVisible_ = needsScrolling_ ? std::clamp(firstVisible_, 0, count() - 1) : 0;
  }
  if (o.multiLine && rows_ > 1 && !o.raggedRight) {
    // The same number of tabs in every row, the remainder in the first rows.
    int n = count();
    int perRow = n / rows_;
    int extra = n % rows_;
    int r = 0, inRow = 0;
    x = 0;
    for (Item& it : items_) {
      if (inRow >= (r < extra ? perRow + 1 : perRow)) {
        ++r;
        inRow = 0;
        x = 0;
      }
      int w = it.right - it.left;
      it.left = x;
      it.right = x + w;
      it.row = r;
      x = it.right;
      ++inRow;
    }
    // Stretch every row to the control's width less 2 × the selection offset.
    int start = 0;
    while (start < n) {
      int end = start;
      while (end < n && items_[static_cast<size_t>(end)].row == items_[static_cast<size_t>(start)].row) ++end;
      int inThisRow = end - start;
      int spare = size.width - 2 * kSelectedOffset - items_[static_cast<size_t>(end - 1)].right;
      if (inThisRow > 1) {
        int each = spare / inThisRow;
        int remainder = spare % inThisRow;
        for (int i = start, k = 0; i < end; ++i, ++k) {
          items_[static_cast<size_t>(i)].left += k * each;
          items_[static_cast<size_t>(i)].right += (k + 1) * each;
        }
        items_[static_cast<size_t>(end - 1)].right += remainder;
      } else {
        items_[static_cast<size_t>(start)].left = 0;
        items_[static_cast<size_t>(start)].right = size.width - 4;
      }
      start = end;
    }
  }
  if (selected >= 0) bringRowToPage(selected);
}

void TabLayout::bringRowToPage(int index) {
  if (index < 0 || index >= count() || rows_ < 2) return;
  int from = items_[static_cast<size_t>(index)].row;
  int target = rows_ - 1;
  if (from == target) return;
  for (Item& it : items_) {
    if (it.row == from) it.row = target;
    else if (it.row > from) --it.row;
  }
}

void TabLayout::setFirstVisible(int index) {
  if (!needsScrolling_) {
    firstVisible_ = 0;
    return;
  }
  firstVisible_ = std::clamp(index, 0, std::max(count() - 1, 0));
}

int TabLayout::row(int index) const {
  if (index < 0 || index >= count()) return -1;
  return items_[static_cast<size_t>(index)].row;
}

Rect TabLayout::itemRect(int index) const {
  if (index < 0 || index >= count()) return {};
  const Item& it = items_[static_cast<size_t>(index)];
  int shift = kSelectedOffset - (multiLine_ ? 0 : items_[static_cast<size_t>(firstVisible_)].left);
  int step = tabHeight_ - 2;
  if (bottom_) {
    int bottom = size_.height - kSelectedOffset - it.row * step;
    return {it.left + shift, bottom - tabHeight_, it.right + shift, bottom};
  }
  int top = kSelectedOffset + it.row * step;
  return {it.left + shift, top, it.right + shift, top + tabHeight_};
}

Rect TabLayout::selectedRect(int index) const {
  Rect r = itemRect(index);
  if (r.isEmpty()) return r;
  r = r.inflatedBy(kSelectedOffset, 0);
  if (bottom_) {
    r.bottom += kSelectedOffset;
    r.top -= 1;
  } else {
    r.top -= kSelectedOffset;
    r.bottom += 1;
  }
  return r;
}

Rect TabLayout::displayRect() const {
  Rect r{0, 0, size_.width, size_.height};
  r = r.inflatedBy(-(kBorder + kPadding), -(kBorder + kPadding));
  if (bottom_) r.bottom -= tabHeight_ * rows_;
  else r.top += tabHeight_ * rows_;
  return r;
}

Rect TabLayout::pageRect() const {
  Rect r{0, 0, size_.width, size_.height};
  if (rows_ == 0) return r;
  int edge = kSelectedOffset + (rows_ - 1) * (tabHeight_ - 2) + tabHeight_;
  if (bottom_) r.bottom = size_.height - edge;
  else r.top = edge;
  return r;
}

int TabLayout::tabAt(Point p, int selected) const {
  if (selected >= 0 && selected < count() && selectedRect(selected).contains(p)) return selected;
  for (int row = rows_ - 1; row >= 0; --row) {
    for (int i = 0; i < count(); ++i) {
      if (items_[static_cast<size_t>(i)].row == row && itemRect(i).contains(p)) return i;
    }
  }
  return -1;
}

}  // namespace tavra
