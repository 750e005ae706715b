#pragma once
// A bitmap of 32-bit pixels in memory order B, G, R, A (the uint32_t 0xAARRGGBB), rows top to
// bottom with no padding. The logical format decides whether the alpha byte means anything: a
// 24-bit bitmap ignores it, a 32-bit one carries alpha (premultiplied where cairo draws on it).
// Pixel algorithms work on rows: `row(y)` gives direct access.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"

namespace tavra {

enum class PixelFormat { Bits24, Bits32 };

using Pixel = std::uint32_t;  // 0xAARRGGBB

constexpr Pixel pixelFromColor(Color c, std::uint8_t alpha = 0xFF) {
  return (static_cast<Pixel>(alpha) << 24) | (static_cast<Pixel>(redOf(c)) << 16) |
         (static_cast<Pixel>(greenOf(c)) << 8) | static_cast<Pixel>(blueOf(c));
}
constexpr Color colorFromPixel(Pixel p) {
  return rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF), static_cast<int>(p & 0xFF));
}
constexpr std::uint8_t alphaOf(Pixel p) { return static_cast<std::uint8_t>(p >> 24); }

class Bitmap {
 public:
  // Sizes above these are refused by every decoder and clamped by `resize`.
  static constexpr int kMaxDimension = 16384;
  static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

  Bitmap() = default;
  Bitmap(int width, int height, PixelFormat format = PixelFormat::Bits24);

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return {width_, height_}; }
  Rect bounds() const { return {0, 0, width_, height_}; }
  bool isEmpty() const { return width_ <= 0 || height_ <= 0; }
  PixelFormat format() const { return format_; }
  void setFormat(PixelFormat format);  // 32 → 24 makes every alpha byte 0xFF
  int stride() const { return width_ * 4; }

  Pixel* row(int y) { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  const Pixel* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * static_cast<size_t>(width_); }
  Pixel* data() { return pixels_.data(); }
  const Pixel* data() const { return pixels_.data(); }

  Pixel pixel(int x, int y) const { return row(y)[x]; }
  void setPixel(int x, int y, Pixel p) { row(y)[x] = p; }
  Color colorAt(int x, int y) const { return colorFromPixel(pixel(x, y)); }

  // New size; the contents are cleared to `fill`.
  void resize(int width, int height, Pixel fill = 0xFF000000);
  void fill(Pixel p);
  void fillRect(const Rect& r, Pixel p);
  Bitmap copy(const Rect& r) const;
  // Copies `src`'s `srcRect` to (x, y) as raw pixels, clipped to both bitmaps.
  void copyFrom(const Bitmap& src, const Rect& srcRect, int x, int y);

  // Transparency used when the bitmap is drawn as a mask or glyph: pixels of this colour are
  // not drawn. Only a property; the drawing calls decide how to use it.
  bool transparent = false;
  Color transparentColor = clFuchsia;

  friend bool operator==(const Bitmap& a, const Bitmap& b) {
    return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
  }

 private:
  int width_ = 0;
  int height_ = 0;
  PixelFormat format_ = PixelFormat::Bits24;
  std::vector<Pixel> pixels_;
};

}  // namespace tavra
