#pragma once
// Pictures decoded from their bytes, shared by the pages that hold the same picture: a page
// opened again, or another page with the same figure, does not decode it again. Holds at most
// kMaxPictures pictures and kMaxPixelBytes of pixels; the least recently used go first.
// Surfaces are only read (drawn from) once made. GUI thread only.
#include <cairo.h>

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

struct CairoSurfaceRelease {
  void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
// One reference to a cairo surface.
using CairoSurfacePtr = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;

class PageImageCache {
 public:
  static constexpr size_t kMaxPictures = 32;
  static constexpr size_t kMaxPixelBytes = 32u << 20;

  static PageImageCache& instance();

  // A reference to the picture these bytes hold, decoded now or earlier; null when they hold
  // no picture that can be decoded.
  CairoSurfacePtr surfaceFor(std::string_view bytes);

  size_t size() const { return entries_.size(); }
  void clear() { entries_.clear(); }

 private:
  struct Entry {
    std::string bytes;
    CairoSurfacePtr surface;
    size_t pixelBytes = 0;
  };
  std::vector<Entry> entries_;  // most recently used first
};

}  // namespace tavra
