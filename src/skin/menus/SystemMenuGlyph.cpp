#include "skin/menus/SystemMenuGlyph.h"

#include <algorithm>

#include "gfx/Bitmap.h"

namespace tavra {
namespace {

void fill(const ClippedRows& target, const Rect& r, Pixel p) {
  target.forEachSpan(r, [&](int, int x0, int x1, Pixel* row) { std::fill(row, row + (x1 - x0), p); });
}

void frame(const ClippedRows& target, const Rect& r, int top, Pixel p) {
  fill(target, {r.left, r.top, r.right, r.top + top}, p);
  fill(target, {r.left, r.bottom - 1, r.right, r.bottom}, p);
  fill(target, {r.left, r.top, r.left + 1, r.bottom}, p);
  fill(target, {r.right - 1, r.top, r.right, r.bottom}, p);
}

}  // namespace

char systemMenuGlyphChar(int tag) {
  switch (tag) {
    case 61472: return '0';
    case 61488: return '1';
    case 61536: return 'r';
    case 61728: return '2';
    default: return 0;
  }
}

void drawSystemMenuGlyph(const ClippedRows& target, const Rect& box, char glyph, Color color) {
  const Pixel p = pixelFromColor(color);
  // The symbol takes the middle two thirds of the box, with an odd size so that it has a centre.
  int size = std::max(5, std::min(box.width(), box.height()) * 2 / 3);
  if (size % 2 == 0) --size;
  const Rect s = Rect::fromSize(box.left + (box.width() - size) / 2, box.top + (box.height() - size) / 2, size, size);
  switch (glyph) {
    case '0':  // minimise: a bar at the bottom
      fill(target, {s.left + 1, s.bottom - 2, s.right - 1, s.bottom}, p);
      break;
    case '1':  // maximise: a window with a thick top
      frame(target, s, 2, p);
      break;
    case 'r':  // close: a cross, two pixels thick
      for (int i = 0; i < size; ++i) {
        fill(target, Rect::fromSize(s.left + i, s.top + i, i + 1 < size ? 2 : 1, 1), p);
        fill(target, Rect::fromSize(s.right - 1 - i - (i + 1 < size ? 1 : 0), s.top + i, i + 1 < size ? 2 : 1, 1), p);
      }
      break;
    case '2': {  // restore: two windows, the back one up and to the right
      const int inner = size * 2 / 3;
      const Rect back = Rect::fromSize(s.right - inner, s.top, inner, inner);
      const Rect front = Rect::fromSize(s.left, s.bottom - inner, inner, inner);
      frame(target, back, 2, p);
      frame(target, front, 2, p);
      break;
    }
    default:
      break;
  }
}

}  // namespace tavra
