#pragma once
// PNG bytes of a cairo image surface.
#include <cairo.h>

#include <string>

namespace tavra::content {

std::string surfaceToPng(cairo_surface_t* surface);

}  // namespace tavra::content
