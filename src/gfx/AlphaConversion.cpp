#include "gfx/AlphaConversion.h"

namespace tavra {

Bitmap premultipliedAlpha(const Bitmap& src, unsigned strength) {
  Bitmap out(src.width(), src.height(), PixelFormat::Bits32);
  bool hasAlpha = src.format() == PixelFormat::Bits32;
  for (int y = 0; y < src.height(); ++y) {
    const Pixel* s = src.row(y);
    Pixel* d = out.row(y);
    for (int x = 0; x < src.width(); ++x) d[x] = premultiplyPixel(hasAlpha ? s[x] : (s[x] | 0xFF000000u), strength);
  }
  return out;
}

void premultiplyInPlace(Bitmap& bitmap) {
  if (bitmap.format() != PixelFormat::Bits32) return;
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* row = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) row[x] = premultiplyPixel(row[x]);
  }
}

}  // namespace tavra
