#include "gfx/Bitmap.h"

#include <algorithm>
#include <cstring>

namespace tavra {

Bitmap::Bitmap(int width, int height, PixelFormat format) : format_(format) { resize(width, height); }

void Bitmap::setFormat(PixelFormat format) {
  if (format_ == format) return;
  format_ = format;
  if (format == PixelFormat::Bits24) {
    for (Pixel& p : pixels_) p |= 0xFF000000u;
  }
}

void Bitmap::resize(int width, int height, Pixel fill) {
  width = std::clamp(width, 0, kMaxDimension);
  height = std::clamp(height, 0, kMaxDimension);
  if (static_cast<long long>(width) * height > kMaxPixels) height = static_cast<int>(kMaxPixels / std::max(width, 1));
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

void Bitmap::fill(Pixel p) { std::fill(pixels_.begin(), pixels_.end(), p); }

void Bitmap::fillRect(const Rect& r, Pixel p) {
  Rect c = r.intersected(bounds());
  for (int y = c.top; y < c.bottom; ++y) std::fill(row(y) + c.left, row(y) + c.right, p);
}

Bitmap Bitmap::copy(const Rect& r) const {
  Bitmap out(std::max(r.width(), 0), std::max(r.height(), 0), format_);
  out.transparent = transparent;
  out.transparentColor = transparentColor;
  out.copyFrom(*this, r, 0, 0);
  return out;
}

void Bitmap::copyFrom(const Bitmap& src, const Rect& srcRect, int x, int y) {
  Rect s = srcRect.intersected(src.bounds());
  x += s.left - srcRect.left;
  y += s.top - srcRect.top;
  Rect d = Rect::fromSize(x, y, s.width(), s.height()).intersected(bounds());
  if (d.isEmpty()) return;
  int sx = s.left + (d.left - x);
  int sy = s.top + (d.top - y);
  for (int row_ = 0; row_ < d.height(); ++row_) {
    std::memmove(row(d.top + row_) + d.left, src.row(sy + row_) + sx, static_cast<size_t>(d.width()) * sizeof(Pixel));
  }
}

}  // namespace tavra
