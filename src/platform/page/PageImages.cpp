#include "platform/page/PageImages.h"

#include <cstring>

#include "gfx/AlphaConversion.h"
#include "platform/mhtml/Url.h"

namespace tavra {

cairo_surface_t* PageImages::surfaceFromBitmap(const Bitmap& bitmap) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width(), bitmap.height());
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return surface;
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  int stride = cairo_image_surface_get_stride(surface);
  bool alpha = bitmap.format() == PixelFormat::Bits32;
  for (int y = 0; y < bitmap.height(); ++y) {
    const Pixel* src = bitmap.row(y);
    auto* dst = reinterpret_cast<std::uint32_t*>(data + static_cast<size_t>(y) * static_cast<size_t>(stride));
    if (!alpha) {
      for (int x = 0; x < bitmap.width(); ++x) dst[x] = src[x] | 0xFF000000u;
      continue;
    }
    for (int x = 0; x < bitmap.width(); ++x) {
      Pixel p = src[x];
      dst[x] = (p >> 24) == 255 ? p : premultiplyPixel(p);
    }
  }
  cairo_surface_mark_dirty(surface);
  return surface;
}

const PageImages::SurfacePtr& PageImages::entry(std::string_view src, std::string_view base) {
  std::string key = urlMatchKey(resolveUrl(base.empty() ? std::string_view(resources_.archive().baseUrl()) : base, src));
  auto it = images_.find(key);
  if (it != images_.end()) return it->second;
  SurfacePtr surface;
  if (auto found = resources_.find(src, base)) surface = PageImageCache::instance().surfaceFor(found->data);
  return images_.emplace(std::move(key), std::move(surface)).first->second;
}

cairo_surface_t* PageImages::load(std::string_view src, std::string_view base) { return entry(src, base).get(); }

bool PageImages::isMissing(std::string_view src, std::string_view base) { return entry(src, base) == nullptr; }

Size PageImages::size(std::string_view src, std::string_view base) {
  cairo_surface_t* s = entry(src, base).get();
  if (!s) return kPlaceholderSize;
  return {cairo_image_surface_get_width(s), cairo_image_surface_get_height(s)};
}

}  // namespace tavra
