#include "TextOutline.h"

#include <pango/pangocairo.h>

#include <cmath>

namespace tavra::banner {
namespace {

constexpr double kTwips = 20.0;
constexpr double kToleranceTwips = 1.0;
constexpr int kMaxSplits = 6;

Point lerp(Point a, Point b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// A cubic as quadratics (twips): the quadratic through the cubic's ends whose control point is
// (3(c1 + c2) − (p0 + p3)) / 4 is exact for elevated quadratics (TrueType outlines); other
// cubics are halved until the difference bound drops below the tolerance.
void addCubic(SwfShapeBuilder& shape, Point p0, Point c1, Point c2, Point p3, int depth) {
  double ex = p3.x - 3 * c2.x + 3 * c1.x - p0.x;
  double ey = p3.y - 3 * c2.y + 3 * c1.y - p0.y;
  double error = std::sqrt(3.0) / 36.0 * std::hypot(ex, ey);
  if (error <= kToleranceTwips || depth >= kMaxSplits) {
    Point q{(3 * (c1.x + c2.x) - (p0.x + p3.x)) / 4, (3 * (c1.y + c2.y) - (p0.y + p3.y)) / 4};
    shape.curveTo(q, p3);
    return;
  }
  Point a = lerp(p0, c1, 0.5), b = lerp(c1, c2, 0.5), c = lerp(c2, p3, 0.5);
  Point d = lerp(a, b, 0.5), e = lerp(b, c, 0.5), m = lerp(d, e, 0.5);
  addCubic(shape, p0, a, d, m, depth + 1);
  addCubic(shape, m, e, c, p3, depth + 1);
}

}  // namespace

TextOutline::TextOutline(const std::string& text, const TextFont& font) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
  cairo_t* cr = cairo_create(surface);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  // Unhinted outlines: the same shapes whatever the size they are shown at.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
  pango_layout_context_changed(layout);
  cairo_font_options_destroy(options);

  PangoFontDescription* desc = pango_font_description_new();
  pango_font_description_set_family(desc, font.family.c_str());
  pango_font_description_set_weight(desc, static_cast<PangoWeight>(font.weight));
  pango_font_description_set_style(desc, font.italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  pango_font_description_set_absolute_size(desc, font.sizePx * PANGO_SCALE);
  pango_layout_set_font_description(layout, desc);
  pango_font_description_free(desc);
  pango_layout_set_text(layout, text.c_str(), -1);

  double baseline = pango_layout_get_baseline(layout) / static_cast<double>(PANGO_SCALE);
  PangoRectangle ink, logical;
  pango_layout_get_extents(layout, &ink, &logical);
  inkLeft_ = ink.x / static_cast<double>(PANGO_SCALE);
  inkRight_ = (ink.x + ink.width) / static_cast<double>(PANGO_SCALE);
  inkTop_ = ink.y / static_cast<double>(PANGO_SCALE) - baseline;
  inkBottom_ = (ink.y + ink.height) / static_cast<double>(PANGO_SCALE) - baseline;

  cairo_move_to(cr, 0, -baseline);
  pango_cairo_layout_path(cr, layout);
  cairo_path_t* path = cairo_copy_path(cr);
  for (int i = 0; i < path->num_data; i += path->data[i].header.length) {
    const cairo_path_data_t* d = &path->data[i];
    Element e;
    switch (d->header.type) {
      case CAIRO_PATH_MOVE_TO: e.op = Op::Move; break;
      case CAIRO_PATH_LINE_TO: e.op = Op::Line; break;
      case CAIRO_PATH_CURVE_TO: e.op = Op::Cubic; break;
      case CAIRO_PATH_CLOSE_PATH: e.op = Op::Close; break;
    }
    for (int k = 1; k < d->header.length && k <= 3; ++k) e.p[k - 1] = {d[k].point.x, d[k].point.y};
    elements_.push_back(e);
  }
  cairo_path_destroy(path);
  g_object_unref(layout);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

void TextOutline::addTo(SwfShapeBuilder& shape, double x, double y, int fill) const {
  auto twips = [&](Point p) { return Point{(p.x + x) * kTwips, (p.y + y) * kTwips}; };
  Point start, pen;
  bool open = false;
  for (const Element& e : elements_) {
    switch (e.op) {
      case Op::Move:
        if (open && (pen.x != start.x || pen.y != start.y)) shape.lineTo(start);
        start = pen = twips(e.p[0]);
        shape.moveTo(start);
        shape.selectStyles(0, fill, 0);
        open = true;
        break;
      case Op::Line:
        pen = twips(e.p[0]);
        shape.lineTo(pen);
        break;
      case Op::Cubic: {
        Point c1 = twips(e.p[0]), c2 = twips(e.p[1]), to = twips(e.p[2]);
        addCubic(shape, pen, c1, c2, to, 0);
        pen = to;
        break;
      }
      case Op::Close:
        if (open && (pen.x != start.x || pen.y != start.y)) shape.lineTo(start);
        pen = start;
        break;
    }
  }
  if (open && (pen.x != start.x || pen.y != start.y)) shape.lineTo(start);
}

}  // namespace tavra::banner
