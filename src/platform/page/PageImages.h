#pragma once
// The pictures of a page, decoded once from its resources (PNG, JPEG, GIF, BMP) into cairo
// surfaces (shared with other pages through PageImageCache) and kept by their resolved URL. A picture that is missing or cannot be decoded is
// remembered as missing, so that the page draws a placeholder frame in its place.
#include <cairo.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "platform/page/PageImageCache.h"
#include "platform/page/PageResources.h"

namespace tavra {

class PageImages {
 public:
  // The size a missing picture takes when the page gives it none.
  static constexpr Size kPlaceholderSize{24, 24};

  explicit PageImages(PageResources& resources) : resources_(resources) {}

  // Loads the picture if not yet tried; returns its surface or null when missing.
  cairo_surface_t* load(std::string_view src, std::string_view base);
  // The picture's size; the placeholder size when missing.
  Size size(std::string_view src, std::string_view base);
  bool isMissing(std::string_view src, std::string_view base);

  // A cairo surface holding a bitmap's pixels (premultiplied as cairo wants).
  static cairo_surface_t* surfaceFromBitmap(const Bitmap& bitmap);

 private:
  using SurfacePtr = CairoSurfacePtr;
  const SurfacePtr& entry(std::string_view src, std::string_view base);

  PageResources& resources_;
  std::unordered_map<std::string, SurfacePtr> images_;  // by resolved URL match key
};

}  // namespace tavra
