#include "viewer/MainWindowPictures.h"

#include "gfx/ImageCodec.h"

namespace tavra::pictures {

Bitmap straight(std::span<const std::uint8_t> png) {
  auto decoded = decodeImage(png);
  return decoded ? std::move(decoded).value() : Bitmap();
}

Bitmap premultiplied(std::span<const std::uint8_t> png) {
  Bitmap b = straight(png);
  if (b.format() != PixelFormat::Bits32) return b;
  for (int y = 0; y < b.height(); ++y) {
    Pixel* row = b.row(y);
    for (int x = 0; x < b.width(); ++x) {
      unsigned a = alphaOf(row[x]);
      unsigned r = ((row[x] >> 16) & 0xFF) * a / 255, g = ((row[x] >> 8) & 0xFF) * a / 255, bl = (row[x] & 0xFF) * a / 255;
      row[x] = (a << 24) | (r << 16) | (g << 8) | bl;
    }
  }
  return b;
}

}  // namespace tavra::pictures
