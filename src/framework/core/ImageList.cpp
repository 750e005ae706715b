#include "framework/core/ImageList.h"

#include <algorithm>

namespace tavra {

TImageList::TImageList(TComponent* owner, int width, int height)
    : TComponent(owner), width_(std::max(width, 1)), height_(std::max(height, 1)) {}

void TImageList::setSize(int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  images_.clear();
  changed();
}

int TImageList::add(const Bitmap& image) { return addPieces(image, nullptr); }

int TImageList::addMasked(const Bitmap& image, Color maskColor) { return addPieces(image, &maskColor); }

void TImageList::clear() {
  if (images_.empty()) return;
  images_.clear();
  changed();
}

void TImageList::changed() {
  if (OnChange) OnChange(*this);
}

// Each piece of `width_` columns becomes one premultiplied 32-bit image; a narrower or shorter
// source leaves the rest transparent.
int TImageList::addPieces(const Bitmap& image, const Color* maskColor) {
  if (image.isEmpty()) return -1;
  int first = count();
  int pieces = std::max(1, image.width() / width_);
  bool hasAlpha = image.format() == PixelFormat::Bits32 && !maskColor;
  Pixel mask = maskColor ? pixelFromColor(resolveColor(*maskColor)) & 0x00FFFFFFu : 0;
  for (int piece = 0; piece < pieces; ++piece) {
    Bitmap out(width_, height_, PixelFormat::Bits32);
    out.fill(0);
    int sx = piece * width_;
    int w = std::min(width_, image.width() - sx);
    int h = std::min(height_, image.height());
    for (int y = 0; y < h; ++y) {
      const Pixel* src = image.row(y) + sx;
      Pixel* dst = out.row(y);
      for (int x = 0; x < w; ++x) {
        Pixel p = src[x];
        if (maskColor && (p & 0x00FFFFFFu) == mask) {
          dst[x] = 0;
          continue;
        }
        unsigned a = hasAlpha ? alphaOf(p) : 255u;
        unsigned r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
        dst[x] = (a << 24) | (r << 16) | (g << 8) | b;
      }
    }
    images_.push_back(std::move(out));
  }
  changed();
  return first;
}

void TImageList::draw(Canvas& canvas, int x, int y, int index, DrawStyle style) const {
  if (index < 0 || index >= count()) return;
  const Bitmap& img = images_[static_cast<size_t>(index)];
  if (style == DrawStyle::Normal) {
    canvas.alphaBlend(Rect::fromSize(x, y, width_, height_), img, img.bounds(), 255, AlphaSource::PerPixel);
    return;
  }
  // Disabled: the image's grey levels, lightened, at half strength.
  Bitmap grey(width_, height_, PixelFormat::Bits32);
  for (int row = 0; row < height_; ++row) {
    const Pixel* src = img.row(row);
    Pixel* dst = grey.row(row);
    for (int col = 0; col < width_; ++col) {
      Pixel p = src[col];
      unsigned a = alphaOf(p);
      unsigned lum = (((p >> 16) & 0xFF) * 30 + ((p >> 8) & 0xFF) * 59 + (p & 0xFF) * 11) / 100;
      unsigned v = std::min(a, lum / 2 + a / 2);
      dst[col] = (a << 24) | (v << 16) | (v << 8) | v;
    }
  }
  canvas.alphaBlend(Rect::fromSize(x, y, width_, height_), grey, grey.bounds(), 128, AlphaSource::PerPixel);
}

}  // namespace tavra
