#include "contentbuild/MarkPainter.h"

#include <cairo.h>

#include <cmath>
#include <memory>

#include "contentbuild/PngOutput.h"

namespace tavra::content {

std::string MarkPainter::renderPng(Mark mark) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize), cairo_surface_destroy);
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr(cairo_create(surface.get()), cairo_destroy);
  cairo_t* c = cr.get();
  const bool ok = mark == Mark::Ok;

  // Badge: a soft disc with a darker rim in the mark's colour.
  cairo_arc(c, 12, 12, 10.5, 0, 2 * M_PI);
  if (ok) cairo_set_source_rgb(c, 0.86, 0.96, 0.86);
  else cairo_set_source_rgb(c, 0.99, 0.88, 0.88);
  cairo_fill_preserve(c);
  if (ok) cairo_set_source_rgb(c, 0.16, 0.55, 0.22);
  else cairo_set_source_rgb(c, 0.75, 0.16, 0.16);
  cairo_set_line_width(c, 1.5);
  cairo_stroke(c);

  cairo_set_line_cap(c, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(c, 3.0);
  if (ok) {
    cairo_move_to(c, 6.5, 12.5);
    cairo_line_to(c, 10.5, 16.5);
    cairo_line_to(c, 17.5, 7.5);
  } else {
    cairo_move_to(c, 8, 8);
    cairo_line_to(c, 16, 16);
    cairo_move_to(c, 16, 8);
    cairo_line_to(c, 8, 16);
  }
  cairo_stroke(c);
  cairo_surface_flush(surface.get());
  return surfaceToPng(surface.get());
}

}  // namespace tavra::content
