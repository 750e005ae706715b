// pictures OUTDIR: draws the main window's pictures into OUTDIR as PNG files with transparency:
//   toc-badge-0/1/2.png   16 × 16 round badges with a white tick (mid blue, deeper blue,
//                         blue-violet) for the table of contents
//   button-examples.png   24 × 24 a window with a blue gear
//   button-tasks.png      24 × 24 a blue speech bubble
//   button-tests.png      24 × 24 a pencil
//   button-glossary.png   24 × 24 a pile of volumes
//   button-questions.png  24 × 24 a blue round badge with a white question mark
//   help-badge.png        64 × 64 the same badge, large
//   menu-covers.png       32 × 32 a clipboard holding a picture
//   menu-about.png        24 × 24 a blue round badge with a white letter i
#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <iostream>
#include <string>

#include "gfx/Font.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Rgb {
  double r, g, b;
};

void setRgb(cairo_t* cr, Rgb c, double a = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, a); }

Rgb shade(Rgb c, double k) { return {std::clamp(c.r * k, 0.0, 1.0), std::clamp(c.g * k, 0.0, 1.0), std::clamp(c.b * k, 0.0, 1.0)}; }

Rgb lighten(Rgb c, double k) { return {c.r + (1 - c.r) * k, c.g + (1 - c.g) * k, c.b + (1 - c.b) * k}; }

// A round badge: a dark rim, a body lit from the top left, a soft highlight.
void badge(cairo_t* cr, double cx, double cy, double radius, Rgb body) {
  cairo_arc(cr, cx, cy, radius, 0, 2 * kPi);
  setRgb(cr, shade(body, 0.62));
  cairo_fill(cr);
  cairo_pattern_t* p = cairo_pattern_create_radial(cx - radius * 0.35, cy - radius * 0.4, radius * 0.1, cx, cy, radius);
  Rgb light = lighten(body, 0.45);
  cairo_pattern_add_color_stop_rgb(p, 0, light.r, light.g, light.b);
  cairo_pattern_add_color_stop_rgb(p, 1, body.r, body.g, body.b);
  cairo_arc(cr, cx, cy, radius - std::max(1.0, radius * 0.09), 0, 2 * kPi);
  cairo_set_source(cr, p);
  cairo_fill(cr);
  cairo_pattern_destroy(p);
  cairo_save(cr);
  cairo_translate(cr, cx, cy - radius * 0.45);
  cairo_scale(cr, radius * 0.62, radius * 0.32);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_set_source_rgba(cr, 1, 1, 1, 0.28);
  cairo_fill(cr);
}

// White text centred on a point, in a bold face of the font table.
void glyph(cairo_t* cr, const std::string& text, double cx, double cy, double px, const char* face = "Verdana") {
  PangoLayout* layout = pango_cairo_create_layout(cr);
  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, tavra::mapFontFace(face).c_str());
  pango_font_description_set_absolute_size(desc, px * PANGO_SCALE);
  pango_font_description_set_weight(desc, PANGO_WEIGHT_BOLD);
  pango_layout_set_font_description(layout, desc);
  pango_layout_set_text(layout, text.c_str(), -1);
  PangoRectangle ink;
  pango_layout_get_pixel_extents(layout, &ink, nullptr);
  cairo_move_to(cr, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
  cairo_set_source_rgb(cr, 1, 1, 1);
  pango_cairo_show_layout(cr, layout);
  pango_font_description_free(desc);
  g_object_unref(layout);
}

void tocBadge(cairo_t* cr, Rgb body) {
  badge(cr, 8, 8, 7.3, body);
  // The tick.
  cairo_move_to(cr, 4.3, 8.2);
  cairo_line_to(cr, 7.0, 10.9);
  cairo_line_to(cr, 11.8, 5.2);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_stroke(cr);
}

const Rgb kBlue{0.16, 0.42, 0.85};

void questionBadge(cairo_t* cr, double size) {
  double r = size / 2 - 0.6;
  badge(cr, size / 2, size / 2, r, kBlue);
  glyph(cr, "?", size / 2, size / 2 + size * 0.02, size * 0.62);
}

void aboutBadge(cairo_t* cr) {
  badge(cr, 12, 12, 11.3, kBlue);
  glyph(cr, "i", 12, 12.5, 16, "Times New Roman");
}

// A small window: title bar, white body, and a blue gear over its lower right corner.
void gearWindow(cairo_t* cr) {
  cairo_rectangle(cr, 1.5, 2.5, 17, 14);
  cairo_set_source_rgb(cr, 0.98, 0.98, 0.98);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.35, 0.38, 0.45);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 2, 3, 16, 3);
  cairo_set_source_rgb(cr, 0.22, 0.40, 0.75);
  cairo_fill(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_rectangle(cr, 4, 8.5 + i * 2.2, 7 - i * 1.5, 1);
    cairo_set_source_rgb(cr, 0.6, 0.62, 0.68);
    cairo_fill(cr);
  }
  double cx = 16.5, cy = 16.5, outer = 7, inner = 5.3;
  const int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    double a0 = i * kPi / teeth, a1 = (i + 1) * kPi / teeth;
    double rr = (i % 2 == 0) ? outer : inner;
    if (i == 0) cairo_move_to(cr, cx + rr * std::cos(a0), cy + rr * std::sin(a0));
    cairo_line_to(cr, cx + rr * std::cos(a0), cy + rr * std::sin(a0));
    cairo_line_to(cr, cx + rr * std::cos(a1), cy + rr * std::sin(a1));
  }
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.13, 0.36, 0.78);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.06, 0.2, 0.5);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_arc(cr, cx, cy, 2.2, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.98, 0.98, 0.98);
  cairo_fill(cr);
}

void speechBubble(cairo_t* cr) {
  cairo_new_path(cr);
  cairo_save(cr);
  cairo_translate(cr, 12, 10);
  cairo_scale(cr, 10.5, 7.8);
  cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
  cairo_restore(cr);
  cairo_move_to(cr, 6.5, 15);
  cairo_line_to(cr, 4, 22.5);
  cairo_line_to(cr, 12, 16.5);
  cairo_close_path(cr);
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 2, 0, 22);
  cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.68, 0.98);
  cairo_pattern_add_color_stop_rgb(p, 1, 0.12, 0.36, 0.80);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
  cairo_set_source_rgb(cr, 0.06, 0.22, 0.55);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  for (int i = 0; i < 3; ++i) {
    cairo_arc(cr, 7.5 + i * 4.5, 10, 1.3, 0, 2 * kPi);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
  }
}

// A pencil lying from the lower left to the upper right: point, wood, yellow body, eraser.
void pencil(cairo_t* cr) {
  cairo_save(cr);
  cairo_translate(cr, 12, 12);
  cairo_rotate(cr, -kPi / 4);
  auto box = [&](double x0, double x1, Rgb c) {
    cairo_rectangle(cr, x0, -3, x1 - x0, 6);
    setRgb(cr, c);
    cairo_fill_preserve(cr);
    setRgb(cr, shade(c, 0.6));
    cairo_set_line_width(cr, 0.8);
    cairo_stroke(cr);
  };
  box(6, 11.5, {0.95, 0.55, 0.62});     // eraser
  box(4.5, 6, {0.7, 0.72, 0.76});       // ferrule
  box(-6.5, 4.5, {0.98, 0.80, 0.18});   // body
  cairo_move_to(cr, -6.5, -3);
  cairo_line_to(cr, -12, 0);
  cairo_line_to(cr, -6.5, 3);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.93, 0.80, 0.60);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.55, 0.42, 0.25);
  cairo_set_line_width(cr, 0.8);
  cairo_stroke(cr);
  cairo_move_to(cr, -10.2, -1);
  cairo_line_to(cr, -12, 0);
  cairo_line_to(cr, -10.2, 1);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.15, 0.15, 0.18);
  cairo_fill(cr);
  cairo_restore(cr);
}

// Three books lying on each other, spines towards the viewer.
void volumes(cairo_t* cr) {
  const Rgb colours[3] = {{0.72, 0.16, 0.16}, {0.16, 0.45, 0.25}, {0.18, 0.32, 0.72}};
  const double xs[3] = {2.5, 4.0, 1.5};
  for (int i = 0; i < 3; ++i) {
    double y = 16.5 - i * 6.5;
    double w = 19 - i;
    cairo_rectangle(cr, xs[i], y, w, 6);
    setRgb(cr, colours[i]);
    cairo_fill_preserve(cr);
    setRgb(cr, shade(colours[i], 0.55));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    // Pages at the right end and a gilt band on the spine.
    cairo_rectangle(cr, xs[i] + w - 3, y + 1, 2.5, 4);
    cairo_set_source_rgb(cr, 0.97, 0.95, 0.88);
    cairo_fill(cr);
    cairo_rectangle(cr, xs[i] + 3, y + 2.5, w - 8, 1);
    cairo_set_source_rgb(cr, 0.95, 0.82, 0.35);
    cairo_fill(cr);
  }
}

// A clipboard: brown board, silver clip, a sheet with a small landscape.
void clipboard(cairo_t* cr) {
  cairo_rectangle(cr, 4.5, 3.5, 23, 27);
  cairo_set_source_rgb(cr, 0.62, 0.42, 0.22);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.38, 0.24, 0.10);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 7, 7, 18, 21);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_fill(cr);
  // The picture: sky, sun, hill.
  cairo_rectangle(cr, 9, 10, 14, 12);
  cairo_set_source_rgb(cr, 0.55, 0.78, 0.98);
  cairo_fill(cr);
  cairo_arc(cr, 19.5, 13.5, 2, 0, 2 * kPi);
  cairo_set_source_rgb(cr, 0.99, 0.82, 0.2);
  cairo_fill(cr);
  cairo_move_to(cr, 9, 22);
  cairo_curve_to(cr, 12, 15, 16, 16, 23, 20);
  cairo_line_to(cr, 23, 22);
  cairo_close_path(cr);
  cairo_set_source_rgb(cr, 0.25, 0.62, 0.28);
  cairo_fill(cr);
  cairo_rectangle(cr, 9.5, 10.5, 13, 11);
  cairo_set_source_rgb(cr, 0.4, 0.45, 0.5);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_rectangle(cr, 11.5, 1.5, 9, 5);
  cairo_set_source_rgb(cr, 0.78, 0.80, 0.84);
  cairo_fill_preserve(cr);
  cairo_set_source_rgb(cr, 0.4, 0.42, 0.46);
  cairo_stroke(cr);
}

bool draw(const std::filesystem::path& dir, const std::string& name, int size, const std::function<void(cairo_t*)>& paint) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  cairo_t* cr = cairo_create(surface);
  paint(cr);
  cairo_destroy(cr);
  std::string path = (dir / name).string();
  bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  if (!ok) std::cerr << "pictures: cannot write " << path << "\n";
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: pictures OUTDIR\n";
    return 2;
  }
  std::filesystem::path dir = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  bool ok = true;
  ok &= draw(dir, "toc-badge-0.png", 16, [](cairo_t* cr) { tocBadge(cr, {0.20, 0.52, 0.92}); });
  ok &= draw(dir, "toc-badge-1.png", 16, [](cairo_t* cr) { tocBadge(cr, {0.10, 0.33, 0.78}); });
  ok &= draw(dir, "toc-badge-2.png", 16, [](cairo_t* cr) { tocBadge(cr, {0.42, 0.30, 0.82}); });
  ok &= draw(dir, "button-examples.png", 24, gearWindow);
  ok &= draw(dir, "button-tasks.png", 24, speechBubble);
  ok &= draw(dir, "button-tests.png", 24, pencil);
  ok &= draw(dir, "button-glossary.png", 24, volumes);
  ok &= draw(dir, "button-questions.png", 24, [](cairo_t* cr) { questionBadge(cr, 24); });
  ok &= draw(dir, "help-badge.png", 64, [](cairo_t* cr) { questionBadge(cr, 64); });
  ok &= draw(dir, "menu-covers.png", 32, clipboard);
  ok &= draw(dir, "menu-about.png", 24, aboutBadge);
  return ok ? 0 : 1;
}
