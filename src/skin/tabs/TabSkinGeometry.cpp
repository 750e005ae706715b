#include "skin/tabs/TabSkinGeometry.h"

namespace tavra {

TabSide tabSideOf(TTabPosition position) { return position == TTabPosition::tpBottom ? TabSide::Bottom : TabSide::Top; }

Rect skinTabRect(const Rect& item, TabSelection selection, TTabStyle style, TabSide side) {
  if (style != TTabStyle::tsTabs || item.width() == 0) return item;
  const bool selected = selection == TabSelection::Selected;
  const int s = selected ? 1 : 0;
  Rect r = item;
  if (selected) {
    r.bottom -= 1;
  } else {
    r.bottom += 3;
    r.right -= 1;
  }
  switch (side) {
    case TabSide::Top:
      r = r.inflatedBy(2 * s, 2 * s);
      r.bottom += 1;
      break;
    case TabSide::Bottom:
      r = r.inflatedBy(2 * s, s);
      r.top -= 2;
      r.bottom += selected ? 1 : -3;
      break;
    case TabSide::Left:
      r = r.inflatedBy(0, 1);
      r.right += 2;
      if (selected) {
        r = r.inflatedBy(1, 1);
      } else {
        r.bottom -= 4;
        r.right += 2;
      }
      break;
    case TabSide::Right:
      r = r.inflatedBy(1, 0).offsetBy(-1, -1);
      if (selected) {
        r = r.inflatedBy(1, 1);
        r.bottom += 3;
      } else {
        r.bottom -= 2;
      }
      break;
  }
  return r;
}

Rect skinDisplayRect(const Rect& frameworkDisplay) {
  Rect d = frameworkDisplay;
  d.top += 2;
  return d;
}

Rect tabPageRect(const Rect& d, Size size, TabSide side, bool hasTabs) {
  const int w = size.width;
  const int h = size.height;
  if (!hasTabs) return {0, 0, w, h};
  switch (side) {
    case TabSide::Top: return {0, d.top - 4, w, h};
    case TabSide::Bottom: return {0, 0, w, d.bottom + 1};
    case TabSide::Left: return {d.left - 1, 0, w, h};
    case TabSide::Right: return {0, 0, d.right + 1, h};
  }
  return {0, 0, w, h};
}

Rect tabStripRect(const Rect& d, Size size, TabSide side, bool hasTabs) {
  const int w = size.width;
  const int h = size.height;
  if (!hasTabs) return {0, 0, w, h};
  switch (side) {
    case TabSide::Top: return {0, 0, w, d.top - 4};
    case TabSide::Bottom: return {0, d.bottom + 1, w, h};
    case TabSide::Left: return {0, 0, d.left - 1, h};
    case TabSide::Right: return {d.right + 1, 0, w, h};
  }
  return {0, 0, w, h};
}

int tabRowOf(const Rect& r, int rows, TabSide side, const Rect& strip) {
  const int w = r.width();
  const int h = r.height();
  if (rows < 2 || w <= 0 || h <= 0) return 1;
  switch (side) {
    case TabSide::Top: return (h / 2 + r.bottom) / h;
    case TabSide::Left: return (w / 2 + r.right) / w;
    case TabSide::Right: return rows - ((r.right - strip.left) + w / 2) / w + 1;
    case TabSide::Bottom: return rows - ((r.bottom - strip.top) + h / 2) / h + 1;
  }
  return 1;
}

}  // namespace tavra
