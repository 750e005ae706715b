#include "skin/primitives/ShadowBlur.h"

#include <cassert>

namespace tavra {

void blurShadowMask(const Bitmap& mask, std::span<std::uint8_t> buffer, int passes) {
  const int w = mask.width();
  const int h = mask.height();
  const int stride = w + 2;
  assert(buffer.size() >= shadowBufferEntries(w, h));
  std::uint8_t* b = buffer.data();
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < h; ++y) {
      const Pixel* m = mask.row(y);
      std::uint8_t* e = b + static_cast<std::size_t>(y + 1) * stride + 1;
      for (int x = 0; x < w; ++x) {
        if (m[x] & 0xFF) e[x] = 255;
      }
    }
    for (int y = 1; y <= h; ++y) {
      std::uint8_t* up = b + static_cast<std::size_t>(y - 1) * stride;
      std::uint8_t* row = up + stride;
      std::uint8_t* down = row + stride;
      // The left neighbour is this pass's value, so the row is a chain; the other three terms
      // are summed ahead, outside it.
      int left = row[0];
      for (int x = 1; x <= w; ++x) {
        left = (up[x] + down[x] + row[x + 1] + left) >> 2;
        row[x] = static_cast<std::uint8_t>(left);
      }
    }
  }
}

namespace {

constexpr Pixel mixChannels(Pixel p, int sr, int sg, int sb, int a) {
  int keep = 255 - a;
  int r = ((static_cast<int>((p >> 16) & 0xFF) * keep) + sr * a) >> 8;
  int g = ((static_cast<int>((p >> 8) & 0xFF) * keep) + sg * a) >> 8;
  int bl = ((static_cast<int>(p & 0xFF) * keep) + sb * a) >> 8;
  return (p & 0xFF000000u) | (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | static_cast<Pixel>(bl);
}

}  // namespace

void composeShadowOver(Bitmap& image, std::span<const std::uint8_t> buffer, Color shadow) {
  const int w = image.width();
  const int stride = w + 2;
  assert(buffer.size() >= shadowBufferEntries(w, image.height()));
  Color s = resolveColor(shadow);
  for (int y = 0; y < image.height(); ++y) {
    Pixel* p = image.row(y);
    const std::uint8_t* a = buffer.data() + static_cast<std::size_t>(y + 1) * stride + 1;
    for (int x = 0; x < w; ++x) p[x] = mixChannels(p[x], redOf(s), greenOf(s), blueOf(s), a[x]);
  }
}

void composeShadowOnColor(Bitmap& image, std::span<const std::uint8_t> buffer, Color shadow, Color background) {
  const int w = image.width();
  const int stride = w + 2;
  assert(buffer.size() >= shadowBufferEntries(w, image.height()));
  Color s = resolveColor(shadow);
  Pixel bg = pixelFromColor(resolveColor(background));
  for (int y = 0; y < image.height(); ++y) {
    Pixel* p = image.row(y);
    const std::uint8_t* a = buffer.data() + static_cast<std::size_t>(y + 1) * stride + 1;
    for (int x = 0; x < w; ++x) p[x] = mixChannels(bg, redOf(s), greenOf(s), blueOf(s), a[x]);
  }
}

}  // namespace tavra
