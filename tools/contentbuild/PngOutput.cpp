#include "contentbuild/PngOutput.h"

namespace tavra::content {

std::string surfaceToPng(cairo_surface_t* surface) {
  std::string png;
  auto append = [](void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
  };
  cairo_surface_write_to_png_stream(surface, append, &png);
  return png;
}

}  // namespace tavra::content
