#include "viewer/MainWindowPictures.h"

#include "gfx/AlphaConversion.h"
#include "gfx/ImageCodec.h"

namespace tavra::pictures {

Bitmap straight(std::span<const std::uint8_t> png) {
  auto decoded = decodeImage(png);
  return decoded ? std::move(decoded).value() : Bitmap();
}

Bitmap premultiplied(std::span<const std::uint8_t> png) {
  Bitmap b = straight(png);
  premultiplyInPlace(b);
  return b;
}

}  // namespace tavra::pictures
