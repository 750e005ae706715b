#include "viewer/CoverPreviews.h"

#include <algorithm>

#include "gfx/ImageCodec.h"

namespace tavra::pictures {
namespace {

const Bitmap& sheet() {
  static const Bitmap decoded = [] {
    Result<Bitmap> image = decodePng(assets::kCoverPreviews);
    if (!image) return Bitmap();
    Bitmap b = std::move(*image);
    b.setFormat(PixelFormat::Bits24);
    return b;
  }();
  return decoded;
}

}  // namespace

Bitmap coverPreview(int index) {
  const Bitmap& all = sheet();
  const int top = index * kCoverPreviewHeight;
  if (index < 0 || all.width() < kCoverPreviewWidth || top + kCoverPreviewHeight > all.height()) return {};
  Bitmap b(kCoverPreviewWidth, kCoverPreviewHeight, PixelFormat::Bits24);
  for (int y = 0; y < kCoverPreviewHeight; ++y) std::copy(all.row(top + y), all.row(top + y) + kCoverPreviewWidth, b.row(y));
  return b;
}

}  // namespace tavra::pictures
