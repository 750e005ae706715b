#include "MaskImage.h"

#include <algorithm>
#include <cmath>

namespace tavra::skingen {
namespace {

std::uint32_t noMagenta(std::uint32_t rgb) { return rgb == kMagenta ? 0xFE00FF : rgb; }

}  // namespace

MaskImage::MaskImage(int frameWidth, int frameHeight, int frames)
    : frameWidth_(frameWidth),
      frameHeight_(frameHeight),
      frames_(frames),
      paint_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, frameWidth * frames, frameHeight)),
      shape_(cairo_image_surface_create(CAIRO_FORMAT_A8, frameWidth * frames, frameHeight)) {}

void MaskImage::drawFrame(int index, const std::function<void(cairo_t*, cairo_t*)>& draw) {
  cairo_t* p = cairo_create(paint_.get());
  cairo_t* s = cairo_create(shape_.get());
  for (cairo_t* cr : {p, s}) {
    cairo_rectangle(cr, index * frameWidth_, 0, frameWidth_, frameHeight_);
    cairo_clip(cr);
    cairo_translate(cr, index * frameWidth_, 0);
  }
  draw(p, s);
  cairo_destroy(p);
  cairo_destroy(s);
  cairo_surface_flush(paint_.get());
  cairo_surface_flush(shape_.get());
}

std::uint32_t MaskImage::paintAt(int x, int y) const {
  const unsigned char* data = cairo_image_surface_get_data(paint_.get());
  const int stride = cairo_image_surface_get_stride(paint_.get());
  return reinterpret_cast<const std::uint32_t*>(data + static_cast<ptrdiff_t>(y) * stride)[x];
}

std::uint8_t MaskImage::shapeAt(int x, int y) const {
  const unsigned char* data = cairo_image_surface_get_data(shape_.get());
  const int stride = cairo_image_surface_get_stride(shape_.get());
  return data[static_cast<ptrdiff_t>(y) * stride + x];
}

MaskImage MaskImage::turned(int how) const {
  MaskImage out(frameWidth_, frameHeight_, frames_);
  cairo_surface_flush(out.paint_.get());
  unsigned char* paint = cairo_image_surface_get_data(out.paint_.get());
  unsigned char* shape = cairo_image_surface_get_data(out.shape_.get());
  const int paintStride = cairo_image_surface_get_stride(out.paint_.get());
  const int shapeStride = cairo_image_surface_get_stride(out.shape_.get());
  const int w = frameWidth_, h = frameHeight_;
  for (int f = 0; f < frames_; ++f) {
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        int sx = x, sy = y;
        switch (how) {
          case 1: sy = h - 1 - y; break;
          case 2: sx = w - 1 - y; sy = x; break;  // the top edge goes to the left
          case 3: sx = y; sy = h - 1 - x; break;  // the top edge goes to the right
          default: break;
        }
        sx = std::clamp(sx, 0, w - 1);
        sy = std::clamp(sy, 0, h - 1);
        reinterpret_cast<std::uint32_t*>(paint + static_cast<ptrdiff_t>(y) * paintStride)[f * w + x] = paintAt(f * w + sx, sy);
        shape[static_cast<ptrdiff_t>(y) * shapeStride + f * w + x] = shapeAt(f * w + sx, sy);
      }
    }
  }
  cairo_surface_mark_dirty(out.paint_.get());
  cairo_surface_mark_dirty(out.shape_.get());
  return out;
}

PixelBlock MaskImage::keyed(std::span<const Rgb> mattes) const {
  PixelBlock block{frameWidth_ * frames_, frameHeight_, {}};
  block.pixels.assign(static_cast<size_t>(block.width) * static_cast<size_t>(block.height), kMagenta);
  for (int y = 0; y < frameHeight_; ++y) {
    for (int x = 0; x < block.width; ++x) {
      const std::uint32_t p = paintAt(x, y);
      const int a = static_cast<int>(p >> 24);
      const bool inside = shapeAt(x, y) >= 128;
      if (!inside && a < 128) continue;
      const Rgb matte = mattes.empty() ? Rgb{} : mattes[std::min(static_cast<size_t>(x / frameWidth_), mattes.size() - 1)];
      // Premultiplied paint over the matte.
      const double k = 1.0 - a / 255.0;
      const double r = ((p >> 16) & 0xFF) + matte.r * k;
      const double g = ((p >> 8) & 0xFF) + matte.g * k;
      const double b = (p & 0xFF) + matte.b * k;
      block.at(x, y) = noMagenta(Rgb{r, g, b}.argb(0) & 0xFFFFFF);
    }
  }
  return block;
}

PixelBlock MaskImage::alpha() const {
  PixelBlock block{frameWidth_ * frames_, frameHeight_ * 2, {}};
  block.pixels.assign(static_cast<size_t>(block.width) * static_cast<size_t>(block.height), 0);
  for (int y = 0; y < frameHeight_; ++y) {
    for (int x = 0; x < block.width; ++x) {
      const std::uint32_t p = paintAt(x, y);
      const int a = static_cast<int>(p >> 24);
      const bool inside = shapeAt(x, y) >= 128;
      if (!inside && a == 0) {
        block.at(x, y) = kMagenta;
        block.at(x, y + frameHeight_) = 0;
        continue;
      }
      std::uint32_t colour = 0x808080;
      if (a > 0) {
        auto un = [a](std::uint32_t c) { return static_cast<std::uint32_t>(std::min(255, static_cast<int>(c) * 255 / a)); };
        colour = (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
      }
      // m/256 of the destination shows through: 255 - alpha.
      const std::uint32_t m = static_cast<std::uint32_t>(255 - a);
      block.at(x, y) = noMagenta(colour);
      block.at(x, y + frameHeight_) = (m << 16) | (m << 8) | m;
    }
  }
  return block;
}

std::vector<std::uint32_t> MaskImage::straightArgb() const {
  std::vector<std::uint32_t> out(static_cast<size_t>(frameWidth_ * frames_) * static_cast<size_t>(frameHeight_));
  for (int y = 0; y < frameHeight_; ++y) {
    for (int x = 0; x < frameWidth_ * frames_; ++x) {
      const std::uint32_t p = paintAt(x, y);
      const std::uint32_t a = p >> 24;
      std::uint32_t c = 0;
      if (a > 0) {
        auto un = [a](std::uint32_t v) { return std::min<std::uint32_t>(255, v * 255 / a); };
        c = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
        // A fully white pixel would be made transparent by the engine's PNG rule.
        if ((c & 0xFFFFFF) == 0xFFFFFF) c -= 0x010101;
      }
      out[static_cast<size_t>(y) * static_cast<size_t>(frameWidth_ * frames_) + static_cast<size_t>(x)] = c;
    }
  }
  return out;
}

}  // namespace tavra::skingen
