#include "gfx/ProgramIcon.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace tavra {
namespace {

constexpr double kUnit = 256.0;
constexpr double kPi = std::numbers::pi;

// Design units to pixels: `at` for free points (curve controls), `edge` for edges that are to
// fall on whole pixels, mirrored about the middle so that the picture stays symmetric.
struct Grid {
  int size;
  double k;
  explicit Grid(int s) : size(s), k(s / kUnit) {}
  double at(double u) const { return u * k; }
  double edge(double u) const { return u <= kUnit / 2 ? std::round(u * k) : size - std::round((kUnit - u) * k); }
  // A line width in pixels: as designed, but never thinner than `minimum` pixels.
  double width(double u, double minimum) const { return std::max(u * k, minimum); }
};

void roundedSquare(cairo_t* cr, double left, double top, double right, double bottom, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, right - radius, top + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, right - radius, bottom - radius, radius, 0, kPi / 2);
  cairo_arc(cr, left + radius, bottom - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, left + radius, top + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

// The tile: a rounded square with a blue gradient, top light, bottom dark. Its edges are at
// least one pixel inside the square from 16 pixels on, so a caption shows its rounded corners.
struct Tile {
  double left, top, right, bottom;
};

Tile tile(cairo_t* cr, const Grid& g) {
  const double inset = g.size >= 16 ? std::max(1.0, g.edge(8)) : g.edge(8);
  const Tile t{inset, inset, g.size - inset, g.size - inset};
  roundedSquare(cr, t.left, t.top, t.right, t.bottom, std::max(1.0, g.at(44)));
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, t.top, 0, t.bottom);
  cairo_pattern_add_color_stop_rgb(fill, 0.0, 0.16, 0.42, 0.80);
  cairo_pattern_add_color_stop_rgb(fill, 1.0, 0.04, 0.14, 0.42);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
  return t;
}

// One page of the open book: its outer edge curls down, the spine is at x = 128.
void page(cairo_t* cr, const Grid& g, double side) {
  const double spine = g.at(128);
  const double outer = g.edge(128 + side * 100);
  auto x = [&](double dx) { return g.at(128 + side * dx); };
  cairo_move_to(cr, spine, g.edge(86));
  cairo_curve_to(cr, x(30), g.at(66), x(70), g.at(62), outer, g.edge(70));
  cairo_line_to(cr, outer, g.edge(190));
  cairo_curve_to(cr, x(70), g.at(182), x(30), g.at(186), spine, g.edge(206));
  cairo_close_path(cr);
}

void book(cairo_t* cr, const Grid& g, const Tile& t) {
  // The cover under the pages, kept a pixel inside the tile.
  const double left = std::max(g.edge(20), t.left + 1);
  const double right = std::min(g.edge(236), t.right - 1);
  const double spine = g.at(128);
  cairo_move_to(cr, left, g.edge(78));
  cairo_line_to(cr, left, g.edge(202));
  cairo_curve_to(cr, g.at(60), g.at(194), g.at(100), g.at(200), spine, g.edge(218));
  cairo_curve_to(cr, g.at(156), g.at(200), g.at(196), g.at(194), right, g.edge(202));
  cairo_line_to(cr, right, g.edge(78));
  cairo_set_source_rgb(cr, 0.72, 0.14, 0.12);
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    page(cr, g, side);
    cairo_set_source_rgb(cr, 0.98, 0.97, 0.92);
    if (g.size < 24) {
      cairo_fill(cr);
      continue;
    }
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.55, 0.52, 0.45);
    cairo_set_line_width(cr, g.width(3, 0.6));
    cairo_stroke(cr);
  }
  if (g.size < 24) {
    // Outlines would blur into the pages: the spine alone parts them, one pixel wide.
    const double x = std::floor(spine);
    cairo_rectangle(cr, x, g.edge(86), 1, g.edge(206) - g.edge(86));
    cairo_set_source_rgb(cr, 0.55, 0.52, 0.45);
    cairo_fill(cr);
  }
}

// A standing wave across the pages, u = A sin(3πx), inside its envelope ±A.
void wave(cairo_t* cr, const Grid& g) {
  const double left = g.at(40);
  const double right = g.at(216);
  const double middle = g.at(136);
  const double amplitude = g.at(30);
  auto trace = [&](int steps, auto y) {
    for (int i = 0; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps;
      if (i == 0) cairo_move_to(cr, left + t * (right - left), y(t));
      else cairo_line_to(cr, left + t * (right - left), y(t));
    }
  };
  if (g.size >= 24) {
    cairo_set_line_width(cr, g.width(4, 1.0));
    cairo_set_source_rgba(cr, 0.10, 0.30, 0.70, 0.35);
    for (double sign : {-1.0, 1.0}) {
      trace(64, [&](double t) { return middle - sign * amplitude * std::abs(std::sin(3 * kPi * t)); });
      cairo_stroke(cr);
    }
  }
  cairo_set_line_width(cr, g.width(9, g.size >= 16 ? 1.4 : 1.0));
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 0.80, 0.12, 0.10);
  trace(96, [&](double t) { return middle - amplitude * std::sin(3 * kPi * t); });
  cairo_stroke(cr);
}

}  // namespace

void drawProgramIcon(cairo_t* cr, int size) {
  if (size < 1) return;
  const Grid g(size);
  cairo_save(cr);
  const Tile t = tile(cr, g);
  book(cr, g, t);
  wave(cr, g);
  cairo_restore(cr);
}

Bitmap programIconPicture(int size) {
  if (size < 1) return {};
  Bitmap picture(size, size, PixelFormat::Bits32);
  picture.fill(0);
  auto* data = reinterpret_cast<unsigned char*>(picture.data());
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface(
      cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, size, size, picture.stride()), cairo_surface_destroy);
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr(cairo_create(surface.get()), cairo_destroy);
  drawProgramIcon(cr.get(), size);
  cairo_surface_flush(surface.get());
  return picture;
}

Icon programIcon() { return Icon(programIconPicture); }

}  // namespace tavra
