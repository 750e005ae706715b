// titlepic OUT.png: draws the splash window's title picture, 640 × 480: the course title over a
// blue background with mathematical motifs (a vibrating string, ripples of a membrane, the
// characteristics of the wave equation and its formulas). The bottom band stays light so the
// black "Загрузка" caption reads over it.
#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <iostream>
#include <string>

#include "gfx/Font.h"

namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 480;
constexpr double kPi = 3.14159265358979323846;

void text(cairo_t* cr, const std::string& utf8, const std::string& face, double px, bool bold, bool italic, double x, double y,
          double r, double g, double b, double a = 1.0, bool centred = false) {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, tavra::mapFontFace(face).c_str());
  pango_font_description_set_absolute_size(desc, px * PANGO_SCALE);
  pango_font_description_set_weight(desc, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(desc, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_layout_set_font_description(layout, desc);
  pango_layout_set_text(layout, utf8.c_str(), -1);
  int w = 0, h = 0;
  pango_layout_get_pixel_size(layout, &w, &h);
  cairo_move_to(cr, centred ? x - w / 2.0 : x, y);
  cairo_set_source_rgba(cr, r, g, b, a);
  pango_cairo_show_layout(cr, layout);
  pango_font_description_free(desc);
  g_object_unref(layout);
}

void background(cairo_t* cr) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kHeight);
  cairo_pattern_add_color_stop_rgb(p, 0.0, 0.03, 0.10, 0.33);
  cairo_pattern_add_color_stop_rgb(p, 0.62, 0.10, 0.32, 0.66);
  cairo_pattern_add_color_stop_rgb(p, 0.86, 0.62, 0.78, 0.95);
  cairo_pattern_add_color_stop_rgb(p, 1.0, 0.86, 0.92, 0.99);
  cairo_set_source(cr, p);
  cairo_paint(cr);
  cairo_pattern_destroy(p);
  // A faint coordinate grid.
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.06);
  for (int x = 0; x <= kWidth; x += 32) {
    cairo_move_to(cr, x + 0.5, 0);
    cairo_line_to(cr, x + 0.5, kHeight * 0.8);
  }
  for (int y = 0; y <= kHeight * 0.8; y += 32) {
    cairo_move_to(cr, 0, y + 0.5);
    cairo_line_to(cr, kWidth, y + 0.5);
  }
  cairo_stroke(cr);
}

// Ripples: level lines of a circular membrane's vibration around a point.
void ripples(cairo_t* cr, double cx, double cy) {
  for (int k = 1; k <= 9; ++k) {
    double radius = 14.0 * k;
    cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
    cairo_set_source_rgba(cr, 0.75, 0.88, 1.0, 0.30 - k * 0.025);
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
  }
}

// Standing waves of a string fixed at both ends: the first three modes at several instants.
void string(cairo_t* cr, double x0, double x1, double y, double amplitude) {
  for (int mode = 1; mode <= 3; ++mode) {
    for (int t = 0; t < 3; ++t) {
      double phase = std::cos(kPi * t / 3.0 + mode * 0.4);
      cairo_new_path(cr);
      for (int i = 0; i <= 200; ++i) {
        double s = i / 200.0;
        double px = x0 + (x1 - x0) * s;
        double py = y - amplitude / mode * phase * std::sin(mode * kPi * s);
        if (i == 0) cairo_move_to(cr, px, py);
        else cairo_line_to(cr, px, py);
      }
      double shade = 0.35 + 0.2 * mode;
      cairo_set_source_rgba(cr, 1.0, 0.85 * shade + 0.1, 0.35, 0.55 - t * 0.12);
      cairo_set_line_width(cr, mode == 1 ? 2.2 : 1.4);
      cairo_stroke(cr);
    }
  }
  cairo_set_source_rgb(cr, 1, 1, 1);
  for (double px : {x0, x1}) {
    cairo_arc(cr, px, y, 3.5, 0, 2 * kPi);
    cairo_fill(cr);
  }
}

// Characteristics x ± at = const through a few points of the x axis.
void characteristics(cairo_t* cr, double x0, double y0, double size) {
  cairo_set_line_width(cr, 1);
  cairo_set_source_rgba(cr, 0.8, 0.9, 1.0, 0.35);
  for (int i = 0; i <= 6; ++i) {
    double x = x0 + size * i / 6.0;
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x + size * 0.45, y0 - size * 0.45);
    cairo_move_to(cr, x, y0);
    cairo_line_to(cr, x - size * 0.45, y0 - size * 0.45);
  }
  cairo_stroke(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.5);
  cairo_move_to(cr, x0 - size * 0.5, y0 + 0.5);
  cairo_line_to(cr, x0 + size * 1.5, y0 + 0.5);
  cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: titlepic OUT.png\n";
    return 2;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kWidth, kHeight);
  cairo_t* cr = cairo_create(surface);
  background(cr);
  ripples(cr, 540, 110);
  characteristics(cr, 40, 250, 150);
  string(cr, 300, 610, 270, 42);

  text(cr, "∂²u/∂t² = a²∂²u/∂x²", "Times New Roman", 20, false, true, 40, 272, 0.92, 0.96, 1.0, 0.9);
  text(cr, "∂u/∂t = a²Δu", "Times New Roman", 18, false, true, 420, 320, 0.92, 0.96, 1.0, 0.85);
  text(cr, "u(x,t) = Σ Tₙ(t) sin(nπx/l)", "Times New Roman", 16, false, true, 40, 322, 0.92, 0.96, 1.0, 0.75);

  text(cr, "Электронный учебник", "Verdana", 17, false, false, kWidth / 2.0, 36, 0.80, 0.88, 1.0, 1.0, true);
  text(cr, "Veltrana", "Times New Roman", 72, true, false, kWidth / 2.0, 66, 1.0, 1.0, 1.0, 1.0, true);
  text(cr, "Часть первая", "Times New Roman", 34, false, true, kWidth / 2.0, 150, 1.0, 0.86, 0.45, 1.0, true);
  text(cr, "Уравнения математической физики", "Verdana", 16, false, false, kWidth / 2.0, 200, 0.85, 0.92, 1.0, 1.0, true);

  cairo_destroy(cr);
  cairo_surface_flush(surface);
  cairo_status_t status = cairo_surface_write_to_png(surface, argv[1]);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::cerr << "titlepic: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
