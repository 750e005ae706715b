// aboutpics MEMBRANE.png HEAT.png: draws the About window's two 128 × 128 pictures, line
// drawings on white (white is their transparent colour, taken from the bottom-left pixel):
// a vibrating square membrane as a wire surface, and the temperature of a rod cooling down,
// one curve per moment.
#include <cairo.h>

#include <cmath>
#include <iostream>
#include <string>

namespace {

constexpr int kSize = 128;
constexpr double kPi = 3.14159265358979323846;

struct Projected {
  double x;
  double y;
};

// An oblique view of the unit square with height z.
Projected project(double x, double y, double z) {
  return {14 + 78 * x + 34 * y, 96 - 30 * y - 34 * z + 2 * x};
}

// The membrane's (1, 1) and (2, 1) modes together at one instant.
double membrane(double x, double y) {
  return 0.8 * std::sin(kPi * x) * std::sin(kPi * y) + 0.35 * std::sin(2 * kPi * x) * std::sin(kPi * y);
}

void drawMembrane(cairo_t* cr) {
  constexpr int kLines = 12;
  constexpr int kSteps = 40;
  cairo_set_line_width(cr, 1.0);
  // Lines of constant y from the back to the front, then of constant x.
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i <= kLines; ++i) {
      double fixed = static_cast<double>(pass == 0 ? kLines - i : i) / kLines;
      cairo_new_path(cr);
      for (int s = 0; s <= kSteps; ++s) {
        double t = static_cast<double>(s) / kSteps;
        double x = pass == 0 ? t : fixed;
        double y = pass == 0 ? fixed : t;
        Projected p = project(x, y, membrane(x, y));
        if (s == 0) cairo_move_to(cr, p.x, p.y);
        else cairo_line_to(cr, p.x, p.y);
      }
      double depth = pass == 0 ? fixed : 0.5;
      cairo_set_source_rgb(cr, 0.05, 0.15 + 0.2 * depth, 0.45 + 0.2 * depth);
      cairo_stroke(cr);
    }
  }
  // The fixed rim.
  cairo_set_line_width(cr, 1.6);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.2);
  Projected corners[] = {project(0, 0, 0), project(1, 0, 0), project(1, 1, 0), project(0, 1, 0)};
  cairo_move_to(cr, corners[0].x, corners[0].y);
  for (int i = 1; i < 4; ++i) cairo_line_to(cr, corners[i].x, corners[i].y);
  cairo_close_path(cr);
  cairo_stroke(cr);
}

// u(x, t) of a rod with ends held at zero, started from a step profile: a sine series whose
// n-th term decays as exp(-n² t).
double rod(double x, double t) {
  double u = 0;
  for (int n = 1; n <= 31; n += 2) u += 4 / (kPi * n) * std::exp(-n * n * t) * std::sin(n * kPi * x);
  return u;
}

void drawHeat(cairo_t* cr) {
  constexpr double kLeft = 14, kRight = 120, kBase = 112, kTop = 14;
  // Axes.
  cairo_set_line_width(cr, 1.2);
  cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
  cairo_move_to(cr, kLeft, kTop - 4);
  cairo_line_to(cr, kLeft, kBase);
  cairo_line_to(cr, kRight + 4, kBase);
  cairo_stroke(cr);
  for (double tip : {kRight + 4}) {
    cairo_move_to(cr, tip, kBase);
    cairo_line_to(cr, tip - 5, kBase - 3);
    cairo_line_to(cr, tip - 5, kBase + 3);
    cairo_close_path(cr);
    cairo_fill(cr);
  }
  cairo_move_to(cr, kLeft, kTop - 8);
  cairo_line_to(cr, kLeft - 3, kTop - 3);
  cairo_line_to(cr, kLeft + 3, kTop - 3);
  cairo_close_path(cr);
  cairo_fill(cr);
  // Profiles from hot to cool.
  const double times[] = {0.002, 0.01, 0.03, 0.07, 0.13, 0.22, 0.35};
  int k = 0;
  for (double t : times) {
    double warmth = 1.0 - static_cast<double>(k) / (std::size(times) - 1);
    cairo_new_path(cr);
    for (int s = 0; s <= 100; ++s) {
      double x = s / 100.0;
      double u = std::min(rod(x, t), 1.08);
      double px = kLeft + (kRight - kLeft) * x;
      double py = kBase - (kBase - kTop - 6) * u;
      if (s == 0) cairo_move_to(cr, px, py);
      else cairo_line_to(cr, px, py);
    }
    cairo_set_source_rgb(cr, 0.55 + 0.3 * warmth, 0.35 * (1 - warmth), 0.15 + 0.45 * (1 - warmth));
    cairo_set_line_width(cr, k == 0 ? 1.8 : 1.4);
    cairo_stroke(cr);
    ++k;
  }
}

bool write(const std::string& path, void (*draw)(cairo_t*)) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kSize, kSize);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  draw(cr);
  cairo_destroy(cr);
  cairo_surface_flush(surface);
  // The bottom-left pixel names the transparent colour: it stays white.
  auto* data = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface));
  data[static_cast<std::size_t>(kSize - 1) * static_cast<std::size_t>(cairo_image_surface_get_stride(surface) / 4)] = 0xFFFFFFFF;
  cairo_surface_mark_dirty(surface);
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::cerr << "aboutpics: cannot write " << path << "\n";
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: aboutpics MEMBRANE.png HEAT.png\n";
    return 2;
  }
  return write(argv[1], drawMembrane) && write(argv[2], drawHeat) ? 0 : 1;
}
