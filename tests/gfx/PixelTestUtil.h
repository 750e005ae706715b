#pragma once
// Helpers for pixel tests: bitmaps as rows of characters and bounding boxes of ink.
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace tavra::test {

// Rows of the bitmap, '#' where the pixel's colour equals `ink`, '.' elsewhere.
inline std::vector<std::string> picture(const Bitmap& b, Color ink) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.height(); ++y) {
    std::string s;
    for (int x = 0; x < b.width(); ++x) s.push_back(b.colorAt(x, y) == ink ? '#' : '.');
    rows.push_back(s);
  }
  return rows;
}

// The smallest rectangle holding every pixel whose colour differs from `background`.
inline Rect inkBounds(const Bitmap& b, Color background) {
  Rect r;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) {
      if (b.colorAt(x, y) != background) r = r.united({x, y, x + 1, y + 1});
    }
  }
  return r;
}

inline int countColor(const Bitmap& b, Color c) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y) {
    for (int x = 0; x < b.width(); ++x) n += b.colorAt(x, y) == c;
  }
  return n;
}

inline Bitmap whiteBitmap(int w, int h, PixelFormat format = PixelFormat::Bits24) {
  Bitmap b(w, h, format);
  b.fill(0xFFFFFFFF);
  return b;
}

}  // namespace tavra::test
