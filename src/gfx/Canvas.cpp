#include "gfx/Canvas.h"

#include <algorithm>
#include <cstring>

namespace tavra {
namespace {

// v / 255 rounded to nearest, for v in [0, 255 * 255].
constexpr std::uint32_t div255(std::uint32_t v) { return (v + 128 + ((v + 128) >> 8)) >> 8; }

constexpr std::uint32_t channel(Pixel p, int shift) { return (p >> shift) & 0xFF; }

// Calls op(destinationPixel, sourcePixel) for every pixel of the device rectangle `dst` that is
// inside the clip, taking the source pixel from `srcRect` scaled to `dst` (nearest pixel: the
// source column of x is left + (x - dst.left) * width / dst.width). Destination pixels whose
// source lies outside the source bitmap are left alone.
template <typename Op>
void mappedBlit(Bitmap& target, const std::vector<Rect>& clips, const Rect& dst, const Bitmap& src, const Rect& srcRect, Op op) {
  if (dst.isEmpty() || srcRect.isEmpty()) return;
  const bool sameSize = dst.size() == srcRect.size();
  const long long dw = dst.width(), dh = dst.height(), sw = srcRect.width(), sh = srcRect.height();
  std::vector<int> columns;  // source column of each destination column, -1 outside the source
  if (!sameSize) {
    columns.resize(static_cast<size_t>(dw));
    for (long long i = 0; i < dw; ++i) {
      long long sx = srcRect.left + i * sw / dw;
      columns[static_cast<size_t>(i)] = (sx >= 0 && sx < src.width()) ? static_cast<int>(sx) : -1;
    }
  }
  for (const Rect& clip : clips) {
    Rect d = dst.intersected(clip);
    if (d.isEmpty()) continue;
    for (int y = d.top; y < d.bottom; ++y) {
      long long sy = sameSize ? srcRect.top + (y - dst.top) : srcRect.top + (y - dst.top) * sh / dh;
      if (sy < 0 || sy >= src.height()) continue;
      const Pixel* s = src.row(static_cast<int>(sy));
      Pixel* out = target.row(y);
      if (sameSize) {
        const int x0 = std::max(d.left, dst.left - srcRect.left);
        const int x1 = std::min(d.right, dst.left - srcRect.left + src.width());
        for (int x = x0; x < x1; ++x) op(out[x], s[srcRect.left + (x - dst.left)]);
      } else {
        for (int x = d.left; x < d.right; ++x) {
          int sx = columns[static_cast<size_t>(x - dst.left)];
          if (sx >= 0) op(out[x], s[sx]);
        }
      }
    }
  }
}

}  // namespace

Canvas::Canvas(Bitmap& target) : target_(target) { state_.clip = Region(target.bounds()); }

Canvas::~Canvas() {
  endUserCairo();
  if (surface_) cairo_surface_flush(surface_.get());
}

// ---- clip and state ----

Region Canvas::clipRegion() const { return state_.clip.translated(-state_.origin.x, -state_.origin.y); }

void Canvas::setClipRegion(const Region& logical) {
  state_.clip = logical.translated(state_.origin.x, state_.origin.y);
  state_.clip.intersect(target_.bounds());
}

void Canvas::intersectClip(const Rect& logical) { state_.clip.intersect(logical.offsetBy(state_.origin)); }

void Canvas::excludeClip(const Rect& logical) {
  if (!logical.isEmpty()) state_.clip.subtract(logical.offsetBy(state_.origin));
}

void Canvas::resetClip() { state_.clip = Region(target_.bounds()); }

Rect Canvas::clipBox() const {
  if (state_.clip.isEmpty()) return {};
  return state_.clip.bounds().offsetBy(-state_.origin.x, -state_.origin.y);
}

bool Canvas::isVisible(const Rect& logical) const { return state_.clip.intersects(logical.offsetBy(state_.origin)); }

void Canvas::save() { saved_.push_back(state_); }

void Canvas::restore() {
  if (saved_.empty()) return;
  state_ = std::move(saved_.back());
  saved_.pop_back();
}

std::vector<Rect> Canvas::clipRects(const Rect* extraDeviceClip) const {
  std::vector<Rect> rects = state_.clip.rects();
  if (extraDeviceClip) {
    std::vector<Rect> out;
    for (const Rect& r : rects) {
      Rect c = r.intersected(*extraDeviceClip);
      if (!c.isEmpty()) out.push_back(c);
    }
    return out;
  }
  return rects;
}

Pixel Canvas::solidPixel(Color c) const { return pixelFromColor(resolveColor(c)); }

// ---- cairo ----

void Canvas::ensureCairo() {
  if (surface_ && surfacePixels_ == target_.data() && cairo_image_surface_get_width(surface_.get()) == target_.width() &&
      cairo_image_surface_get_height(surface_.get()) == target_.height()) {
    cairo_format_t wanted = target_.format() == PixelFormat::Bits32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
    if (cairo_image_surface_get_format(surface_.get()) == wanted) return;
  }
  userCairo_ = false;
  cr_.reset();
  if (surface_) cairo_surface_flush(surface_.get());
  surface_.reset();
  cairo_format_t format = target_.format() == PixelFormat::Bits32 ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24;
  if (target_.isEmpty()) {
    surface_.reset(cairo_image_surface_create(format, 1, 1));
  } else {
    surface_.reset(cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(target_.data()), format,
                                                       target_.width(), target_.height(), target_.stride()));
  }
  surfacePixels_ = target_.data();
  cr_.reset(cairo_create(surface_.get()));
}

void Canvas::endUserCairo() {
  if (!userCairo_) return;
  userCairo_ = false;
  cairo_restore(cr_.get());
}

void Canvas::applyClip() {
  cairo_t* cr = cr_.get();
  cairo_reset_clip(cr);
  cairo_new_path(cr);
  if (target_.isEmpty() || state_.clip.isEmpty()) {
    cairo_rectangle(cr, 0, 0, 0, 0);
  } else {
    for (const Rect& r : state_.clip.rects()) cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
  }
  cairo_clip(cr);
}

cairo_t* Canvas::cairo() {
  ensureCairo();
  endUserCairo();
  cairo_surface_mark_dirty(surface_.get());
  cairo_save(cr_.get());
  applyClip();
  cairo_translate(cr_.get(), state_.origin.x, state_.origin.y);
  userCairo_ = true;
  return cr_.get();
}

void Canvas::beginPixels() {
  endUserCairo();
  if (surface_) cairo_surface_flush(surface_.get());
}

void Canvas::endPixels() {
  if (surface_) cairo_surface_mark_dirty(surface_.get());
}

// ---- blits ----

void Canvas::drawBitmap(Point dst, const Bitmap& src, const Rect& srcRect) {
  if (&src == &target_) {  // overlapping copy within the target: take the source out first
    Bitmap copy = src.copy(srcRect);
    Rect r = srcRect.intersected(src.bounds());
    drawBitmap(dst + Point{r.left - srcRect.left, r.top - srcRect.top}, copy, copy.bounds());
    return;
  }
  const Rect s = srcRect.intersected(src.bounds());
  if (s.isEmpty()) return;
  const Rect d = Rect::fromSize(dst + state_.origin + Point{s.left - srcRect.left, s.top - srcRect.top}, s.size());
  const bool forceOpaque = src.format() == PixelFormat::Bits24 && target_.format() == PixelFormat::Bits32;
  beginPixels();
  for (const Rect& clip : clipRects()) {
    Rect c = d.intersected(clip);
    if (c.isEmpty()) continue;
    for (int y = c.top; y < c.bottom; ++y) {
      const Pixel* in = src.row(s.top + (y - d.top)) + s.left + (c.left - d.left);
      Pixel* out = target_.row(y) + c.left;
      if (forceOpaque) {
        for (int i = 0; i < c.width(); ++i) out[i] = in[i] | 0xFF000000u;
      } else {
        std::memcpy(out, in, static_cast<size_t>(c.width()) * sizeof(Pixel));
      }
    }
  }
  endPixels();
}

void Canvas::stretchBitmap(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  if (dst.size() == srcRect.size()) {
    drawBitmap(dst.topLeft(), src, srcRect);
    return;
  }
  const Bitmap* source = &src;
  Bitmap copy;
  if (&src == &target_) {
    copy = src;
    source = &copy;
  }
  const Pixel opaque = (source->format() == PixelFormat::Bits24 && target_.format() == PixelFormat::Bits32) ? 0xFF000000u : 0;
  beginPixels();
  mappedBlit(target_, clipRects(), dst.offsetBy(state_.origin), *source, srcRect, [opaque](Pixel& d, Pixel s) { d = s | opaque; });
  endPixels();
}

void Canvas::drawBitmapTransparent(const Rect& dst, const Bitmap& src, const Rect& srcRect, Color transparent) {
  const Bitmap* source = &src;
  Bitmap copy;
  if (&src == &target_) {
    copy = src;
    source = &copy;
  }
  const Pixel key = pixelFromColor(resolveColor(transparent)) & 0x00FFFFFFu;
  const Pixel opaque = (source->format() == PixelFormat::Bits24 && target_.format() == PixelFormat::Bits32) ? 0xFF000000u : 0;
  beginPixels();
  mappedBlit(target_, clipRects(), dst.offsetBy(state_.origin), *source, srcRect, [key, opaque](Pixel& d, Pixel s) {
    if ((s & 0x00FFFFFFu) != key) d = s | opaque;
  });
  endPixels();
}

void Canvas::alphaBlend(const Rect& dst, const Bitmap& src, const Rect& srcRect, std::uint8_t constantAlpha, AlphaSource alpha) {
  const bool perPixelAlpha = alpha == AlphaSource::PerPixel;
  if (constantAlpha == 0) return;
  const Bitmap* source = &src;
  Bitmap copy;
  if (&src == &target_) {
    copy = src;
    source = &copy;
  }
  const bool targetAlpha = target_.format() == PixelFormat::Bits32;
  const bool sourceAlpha = source->format() == PixelFormat::Bits32;
  const std::uint32_t ca = constantAlpha;
  beginPixels();
  if (perPixelAlpha && sourceAlpha) {
    // Premultiplied source scaled by the constant alpha, then "over" the destination.
    mappedBlit(target_, clipRects(), dst.offsetBy(state_.origin), *source, srcRect, [ca, targetAlpha](Pixel& d, Pixel s) {
      const std::uint32_t sa = div255(channel(s, 24) * ca);
      const std::uint32_t keep = 255 - sa;
      Pixel out = 0;
      for (int shift : {0, 8, 16}) {
        std::uint32_t v = div255(channel(s, shift) * ca) + div255(channel(d, shift) * keep);
        out |= std::min<std::uint32_t>(v, 255) << shift;
      }
      std::uint32_t a = targetAlpha ? std::min<std::uint32_t>(sa + div255(channel(d, 24) * keep), 255) : 255;
      d = out | (a << 24);
    });
  } else {
    mappedBlit(target_, clipRects(), dst.offsetBy(state_.origin), *source, srcRect, [ca, targetAlpha, sourceAlpha](Pixel& d, Pixel s) {
      const std::uint32_t keep = 255 - ca;
      Pixel out = 0;
      for (int shift : {0, 8, 16}) out |= div255(channel(s, shift) * ca + channel(d, shift) * keep) << shift;
      std::uint32_t sa = sourceAlpha ? channel(s, 24) : 255;
      std::uint32_t a = targetAlpha ? div255(sa * ca + channel(d, 24) * keep) : 255;
      d = out | (a << 24);
    });
  }
  endPixels();
}

Bitmap Canvas::grab(const Rect& logical) const {
  if (surface_) cairo_surface_flush(surface_.get());
  Bitmap out(std::max(logical.width(), 0), std::max(logical.height(), 0), target_.format());
  out.copyFrom(target_, logical.offsetBy(state_.origin), 0, 0);
  return out;
}

void Canvas::grabInto(const Rect& logical, Bitmap& out) const {
  if (surface_) cairo_surface_flush(surface_.get());
  out.copyFrom(target_, logical.offsetBy(state_.origin), 0, 0);
}

void Canvas::syncPixels() {
  beginPixels();
  endPixels();
}

}  // namespace tavra
