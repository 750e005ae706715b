// selftestpics DIR: draws the testing window's 24 × 24 pictures into DIR:
//   ReturnGlyph.png  "Вернуться к учебнику": an open book with an arrow pointing back at it
//   ClearGlyph.png   the clear buttons: an eraser over a struck-out line of text
//   StatusBlank.png  the status pictures shown before the first status tick: a grey ring
// The glyphs are 24-bit with a magenta background, the platform's transparent glyph colour
// (the bottom-left pixel); shapes are drawn without antialiasing so no pixel mixes with it.
#include <iostream>
#include <string>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/ImageCodec.h"

namespace {

using namespace tavra;

constexpr int kSize = 24;

Bitmap returnGlyph() {
  Bitmap b(kSize, kSize);
  Canvas c(b);
  c.fillRect(b.bounds(), clFuchsia);
  // Book: two pages meeting at the spine, with lines of text.
  Point left[] = {{3, 7}, {11, 9}, {11, 21}, {3, 19}};
  Point right[] = {{12, 9}, {20, 7}, {20, 19}, {12, 21}};
  c.fillPolygon(left, rgb(255, 255, 240));
  c.fillPolygon(right, rgb(255, 255, 240));
  c.drawPolyline(std::span<const Point>(left, 4), rgb(40, 60, 120));
  c.drawLine(left[3], left[0], rgb(40, 60, 120));
  c.drawPolyline(std::span<const Point>(right, 4), rgb(40, 60, 120));
  c.drawLine(right[3], right[0], rgb(40, 60, 120));
  for (int i = 0; i < 3; ++i) {
    c.drawLine({5, 11 + 3 * i}, {10, 12 + 3 * i}, rgb(120, 120, 150));
    c.drawLine({14, 12 + 3 * i}, {19, 11 + 3 * i}, rgb(120, 120, 150));
  }
  // Arrow pointing left, above the book.
  Point arrow[] = {{2, 4}, {8, 0}, {8, 2}, {16, 2}, {16, 6}, {8, 6}, {8, 8}};
  c.fillPolygon(arrow, rgb(0, 140, 40));
  return b;
}

Bitmap clearGlyph() {
  Bitmap b(kSize, kSize);
  Canvas c(b);
  c.fillRect(b.bounds(), clFuchsia);
  // A line of "text" struck out.
  for (int x = 2; x < 22; x += 4) c.fillRect(Rect::fromSize(x, 17, 3, 4), rgb(90, 90, 90));
  c.fillRect(Rect::fromSize(1, 18, 22, 2), rgb(200, 0, 0));
  // Eraser: a slanted block, red sleeve and pale rubber.
  Point sleeve[] = {{10, 2}, {18, 2}, {14, 12}, {6, 12}};
  Point rubber[] = {{6, 12}, {14, 12}, {12, 16}, {4, 16}};
  c.fillPolygon(sleeve, rgb(200, 40, 40));
  c.fillPolygon(rubber, rgb(250, 220, 200));
  c.drawPolyline(std::span<const Point>(sleeve, 4), rgb(90, 10, 10));
  c.drawLine({4, 16}, {12, 16}, rgb(90, 10, 10));
  c.drawLine({4, 16}, {6, 12}, rgb(90, 10, 10));
  c.drawLine({12, 16}, {14, 12}, rgb(90, 10, 10));
  return b;
}

Bitmap statusBlank() {
  Bitmap b(kSize, kSize);
  Canvas c(b);
  c.fillRect(b.bounds(), rgb(212, 208, 200));
  c.fillEllipse(Rect::fromSize(2, 2, 20, 20), rgb(128, 128, 128));
  c.fillEllipse(Rect::fromSize(4, 4, 16, 16), rgb(236, 236, 236));
  c.fillRect(Rect::fromSize(8, 11, 8, 2), rgb(128, 128, 128));
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: selftestpics DIR\n";
    return 2;
  }
  std::string dir = argv[1];
  bool ok = savePng(returnGlyph(), dir + "/ReturnGlyph.png") && savePng(clearGlyph(), dir + "/ClearGlyph.png") &&
            savePng(statusBlank(), dir + "/StatusBlank.png");
  if (!ok) {
    std::cerr << "selftestpics: cannot write into " << dir << "\n";
    return 1;
  }
  return 0;
}
