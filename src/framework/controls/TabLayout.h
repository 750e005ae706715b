#pragma once
// Where the tabs of a tab control go, laid out as the platform's tab control does.
//
//   row 0  ┌──────┐┌──────┐┌──────┐        rows are counted from the one farthest from the
//   row 1  │ ┌──────┐┌──────┐┌──────┐      page; each row overlaps the one before by 2
//          └─│      ││      ││      │      pixels. The selected tab's row is always the
//   page  ┌──┘      └┘      └┘      └──┐   last (next to the page); choosing a tab in
//         │                            │   another row moves that row there and the rows
//         └────────────────────────────┘   after it one step up.
//
// Tabs are as wide as their text plus 6 pixels of padding on each side, at least 54 pixels (or
// all of the fixed width). One row: tabs side by side from x = 2; past the right edge they are
// scrolled (the first visible tab starts at x = 2). Several rows (multi-line): a tab that would
// end beyond width − 4 starts a new row; then, unless ragged right, the tabs are spread evenly
// over the rows (the remainder to the first rows) and each row is stretched to width − 4.
// A row's height is the text height + 2 + 3 pixels of padding.
#include <vector>

#include "base/Geometry.h"

namespace tavra {

struct TabLayoutOptions {
  bool multiLine = false;
  bool bottom = false;       // tabs below the page
  bool raggedRight = false;  // multi-line rows are not stretched
  int fixedWidth = 0;        // 0: tabs as wide as their text
  int tabHeight = 0;         // 0: from the text height
};

class TabLayout {
 public:
  static constexpr int kSelectedOffset = 2;  // how much larger the selected tab is
  static constexpr int kBorder = 2;          // the page's edge
  static constexpr int kPadding = 2;         // between the edge and the display area
  static constexpr int kHorizontalPadding = 6;
  static constexpr int kVerticalPadding = 3;
  static constexpr int kMinTabWidth = 54;

  // Lays out tabs of the given text widths in a control of `size`; `selected` (or −1) decides
  // which row lies next to the page.
  void build(const std::vector<int>& textWidths, int textHeight, Size size, const TabLayoutOptions& options, int selected);
  // Moves the row of tab `index` next to the page (the platform does this on every selection).
  void bringRowToPage(int index);
  // Scrolling of a single row: the first tab shown at the left.
  int firstVisible() const { return firstVisible_; }
  void setFirstVisible(int index);
  // Whether a single row is wider than the control (it then scrolls).
  bool needsScrolling() const { return needsScrolling_; }

  int count() const { return static_cast<int>(items_.size()); }
  int rowCount() const { return rows_; }
  int tabHeight() const { return tabHeight_; }
  // Row of a tab, 0 being the farthest from the page.
  int row(int index) const;
  // The item rectangle of a tab in client coordinates (empty outside 0 to count − 1).
  Rect itemRect(int index) const;
  // The rectangle of a tab drawn selected: 2 pixels wider on each side, 2 pixels taller away
  // from the page.
  Rect selectedRect(int index) const;
  // The display area: the client rectangle less the border, the padding and the rows of tabs.
  Rect displayRect() const;
  // Where the page's edge is drawn: from the last row's edge to the far side of the control.
  Rect pageRect() const;
  // The tab under a point: the selected tab first, then rows nearest the page first; −1 when
  // none is.
  int tabAt(Point p, int selected) const;

 private:
  struct Item {
    int left = 0;
    int right = 0;
    int row = 0;
  };
  std::vector<Item> items_;
  int rows_ = 0;
  int tabHeight_ = 0;
  Size size_;
  bool bottom_ = false;
  bool multiLine_ = false;
  bool needsScrolling_ = false;
  int firstVisible_ = 0;
};

}  // namespace tavra
