#include "platform/page/PageImageCache.h"

#include <algorithm>
#include <cstdint>
#include <span>

#include "gfx/ImageCodec.h"
#include "platform/page/PageImages.h"

namespace tavra {

PageImageCache& PageImageCache::instance() {
  static PageImageCache cache;
  return cache;
}

CairoSurfacePtr PageImageCache::surfaceFor(std::string_view bytes) {
  auto same = [bytes](const Entry& e) { return e.bytes.size() == bytes.size() && std::string_view(e.bytes) == bytes; };
  if (auto it = std::find_if(entries_.begin(), entries_.end(), same); it != entries_.end()) {
    std::rotate(entries_.begin(), it, it + 1);
    return CairoSurfacePtr(cairo_surface_reference(entries_.front().surface.get()));
  }
  auto data = std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  auto bitmap = decodeImage(data);
  if (!bitmap.ok() || bitmap->isEmpty()) return nullptr;
  CairoSurfacePtr surface(PageImages::surfaceFromBitmap(*bitmap));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  size_t pixelBytes = static_cast<size_t>(cairo_image_surface_get_stride(surface.get())) *
                      static_cast<size_t>(cairo_image_surface_get_height(surface.get()));
  if (pixelBytes <= kMaxPixelBytes) {
    size_t held = pixelBytes;
    for (const Entry& e : entries_) held += e.pixelBytes;
    while (!entries_.empty() && (entries_.size() >= kMaxPictures || held > kMaxPixelBytes)) {
      held -= entries_.back().pixelBytes;
      entries_.pop_back();
    }
    entries_.insert(entries_.begin(), Entry{std::string(bytes), CairoSurfacePtr(cairo_surface_reference(surface.get())), pixelBytes});
  }
  return surface;
}

}  // namespace tavra
