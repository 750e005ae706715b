// tavra-icon OUT_DIR: draws the program's desktop icon into OUT_DIR/<N>x<N>/apps/tavra.png for the
// hicolor sizes and OUT_DIR/scalable/apps/tavra.svg (the icon theme's layout). The icon is an open textbook on a blue tile, a
// standing wave drawn across both pages and its envelope, the course's subject in one picture.
// Everything is drawn in a 256-unit square and scaled, so every size is the same picture.
#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr double kUnit = 256.0;
constexpr double kPi = 3.14159265358979323846;
constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void roundedSquare(cairo_t* cr, double x, double y, double size, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + size - radius, y + radius, radius, -kPi / 2, 0);
  cairo_arc(cr, x + size - radius, y + size - radius, radius, 0, kPi / 2);
  cairo_arc(cr, x + radius, y + size - radius, radius, kPi / 2, kPi);
  cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
  cairo_close_path(cr);
}

void tile(cairo_t* cr) {
  roundedSquare(cr, 8, 8, 240, 44);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, 8, 0, 248);
  cairo_pattern_add_color_stop_rgb(fill, 0.0, 0.16, 0.42, 0.80);
  cairo_pattern_add_color_stop_rgb(fill, 1.0, 0.04, 0.14, 0.42);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
}

// One page of the open book: its outer edge curls down, the spine is at x = 128.
void page(cairo_t* cr, double side) {
  auto x = [&](double dx) { return 128 + side * dx; };
  cairo_move_to(cr, x(0), 86);
  cairo_curve_to(cr, x(30), 66, x(70), 62, x(100), 70);
  cairo_line_to(cr, x(100), 190);
  cairo_curve_to(cr, x(70), 182, x(30), 186, x(0), 206);
  cairo_close_path(cr);
}

void book(cairo_t* cr) {
  // The cover under the pages.
  cairo_move_to(cr, 20, 78);
  cairo_line_to(cr, 20, 202);
  cairo_curve_to(cr, 60, 194, 100, 200, 128, 218);
  cairo_curve_to(cr, 156, 200, 196, 194, 236, 202);
  cairo_line_to(cr, 236, 78);
  cairo_set_source_rgb(cr, 0.72, 0.14, 0.12);
  cairo_fill(cr);
  for (double side : {-1.0, 1.0}) {
    page(cr, side);
    cairo_set_source_rgb(cr, 0.98, 0.97, 0.92);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.55, 0.52, 0.45);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
  }
}

// A standing wave across the pages, u = A sin(3πx) inside its envelope ±A.
void wave(cairo_t* cr) {
  const double left = 40;
  const double right = 216;
  const double middle = 136;
  const double amplitude = 30;
  cairo_set_line_width(cr, 4);
  cairo_set_source_rgba(cr, 0.10, 0.30, 0.70, 0.35);
  for (double sign : {-1.0, 1.0}) {
    for (int i = 0; i <= 64; ++i) {
      double t = i / 64.0;
      double y = middle - sign * amplitude * std::abs(std::sin(3 * kPi * t));
      if (i == 0) cairo_move_to(cr, left + t * (right - left), y);
      else cairo_line_to(cr, left + t * (right - left), y);
    }
    cairo_stroke(cr);
  }
  cairo_set_line_width(cr, 9);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_source_rgb(cr, 0.80, 0.12, 0.10);
  for (int i = 0; i <= 96; ++i) {
    double t = i / 96.0;
    double y = middle - amplitude * std::sin(3 * kPi * t);
    if (i == 0) cairo_move_to(cr, left + t * (right - left), y);
    else cairo_line_to(cr, left + t * (right - left), y);
  }
  cairo_stroke(cr);
}

void draw(cairo_t* cr, double size) {
  cairo_scale(cr, size / kUnit, size / kUnit);
  tile(cr);
  book(cr);
  wave(cr);
}

bool writePng(const std::filesystem::path& path, int size) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  draw(cr, size);
  cairo_destroy(cr);
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

bool writeSvg(const std::filesystem::path& path) {
  cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), kUnit, kUnit);
  cairo_t* cr = cairo_create(surface);
  draw(cr, kUnit);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  bool ok = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: tavra-icon OUT_DIR\n";
    return 2;
  }
  namespace fs = std::filesystem;
  const fs::path out = argv[1];
  std::error_code ec;
  for (int size : kSizes) {
    fs::path folder = out / (std::to_string(size) + "x" + std::to_string(size)) / "apps";
    fs::create_directories(folder, ec);
    if (ec || !writePng(folder / "tavra.png", size)) {
      std::cerr << "tavra-icon: cannot write " << (folder / "tavra.png").string() << "\n";
      return 1;
    }
  }
  const fs::path scalable = out / "scalable" / "apps";
  fs::create_directories(scalable, ec);
  if (ec || !writeSvg(scalable / "tavra.svg")) {
    std::cerr << "tavra-icon: cannot write " << (scalable / "tavra.svg").string() << "\n";
    return 1;
  }
  return 0;
}
