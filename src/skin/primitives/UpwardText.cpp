#include "skin/primitives/UpwardText.h"

#include "gfx/Canvas.h"

namespace tavra {

void drawTextUpwards(Bitmap& target, const std::string& text, Point start, const Font& font, Color color) {
  Bitmap probe(1, 1);
  Canvas measure(probe);
  measure.setFont(font);
  const Size extent = measure.textExtent(text);
  if (extent.width <= 0 || extent.height <= 0) return;
  // The area the text covers, turned a quarter to the right, gets the text, then turns back.
  Bitmap turned(extent.width, extent.height, PixelFormat::Bits24);
  for (int y = 0; y < extent.height; ++y) {
    for (int x = 0; x < extent.width; ++x) {
      const int tx = start.x + y, ty = start.y - x;
      if (tx >= 0 && ty >= 0 && tx < target.width() && ty < target.height()) turned.row(y)[x] = target.row(ty)[tx];
    }
  }
  {
    Canvas c(turned);
    c.setFont(font);
    c.setTextColor(color);
    c.setBackgroundMode(BackgroundMode::Transparent);
    c.drawText(text, turned.bounds(), DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX);
    c.syncPixels();
  }
  for (int y = 0; y < extent.height; ++y) {
    for (int x = 0; x < extent.width; ++x) {
      const int tx = start.x + y, ty = start.y - x;
      if (tx >= 0 && ty >= 0 && tx < target.width() && ty < target.height()) target.row(ty)[tx] = turned.row(y)[x];
    }
  }
}

}  // namespace tavra
