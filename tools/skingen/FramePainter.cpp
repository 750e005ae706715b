#include "FramePainter.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tavra::skingen {

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double tl, double tr, double br, double bl) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - tr, y + tr, tr, -M_PI / 2, 0);
  cairo_arc(cr, x + w - br, y + h - br, br, 0, M_PI / 2);
  cairo_arc(cr, x + bl, y + h - bl, bl, M_PI / 2, M_PI);
  cairo_arc(cr, x + tl, y + tl, tl, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void setColour(cairo_t* cr, const Rgb& c, double alpha) { cairo_set_source_rgba(cr, c.r / 255, c.g / 255, c.b / 255, alpha); }

namespace {

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) { roundedRectPath(cr, x, y, w, h, r, r, r, r); }

void fillShape(cairo_t* shape, double w, double h, double r) {
  cairo_set_source_rgba(shape, 0, 0, 0, 1);
  roundedRect(shape, 0, 0, w, h, r);
  cairo_fill(shape);
}

void line(cairo_t* cr, double x0, double y0, double x1, double y1, const Rgb& c, double alpha = 1.0) {
  setColour(cr, c, alpha);
  cairo_set_line_width(cr, 1);
  cairo_move_to(cr, x0, y0);
  cairo_line_to(cr, x1, y1);
  cairo_stroke(cr);
}

// A vertical white (or dark) sheen along a path already set: alpha from top to bottom.
void strokeSheen(cairo_t* cr, double h, const Rgb& c, double top, double bottom, double width = 1) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(p, 0, c.r / 255, c.g / 255, c.b / 255, top);
  cairo_pattern_add_color_stop_rgba(p, 1, c.r / 255, c.g / 255, c.b / 255, bottom);
  cairo_set_source(cr, p);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_pattern_destroy(p);
}

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

}  // namespace

int FramePainter::radiusFor(BorderPart part) const {
  if (d_.material == Material::Bevel || d_.material == Material::Terminal) return 0;
  switch (part) {
    case BorderPart::Huge: return std::max(4, d_.radius * 2);
    case BorderPart::Menu:
    case BorderPart::PageControl:
    case BorderPart::Panel:
    case BorderPart::PanelLow:
    case BorderPart::ScrollTrack:
    case BorderPart::Hint: return std::min(d_.radius, 2);
    case BorderPart::ScrollButton:
    case BorderPart::Slider:
    case BorderPart::TitleButton:
    case BorderPart::Gauge: return std::min(d_.radius, 3);
    default: return d_.radius;
  }
}

Rgb FramePainter::rimColour(int state, BorderPart part) const {
  if (part == BorderPart::Edit) return state == 0 ? d_.border : d_.accent;
  switch (state) {
    case 0: return d_.border;
    case 1: return d_.border.mix(d_.accent, 0.65);
    default: return d_.border.mix(d_.accent, 0.4).darker(0.25);
  }
}

void FramePainter::drawRim(cairo_t* paint, cairo_t* shape, double w, double h, double r, int state, BorderPart part) const {
  fillShape(shape, w, h, r);
  const Rgb rim = rimColour(state, part);
  const bool pressed = state == 2 && part != BorderPart::Edit;
  const bool sunken = part == BorderPart::Edit || part == BorderPart::PanelLow || part == BorderPart::ScrollTrack;
  switch (d_.material) {
    case Material::Bevel: {
      // The classic two-line bevel: light above and left, dark below and right; inverted when pressed or sunken.
      const bool in = pressed || sunken;
      const Rgb light = d_.face.lighter(0.85), dark = d_.face.darker(0.75), light2 = d_.face.lighter(0.35), dark2 = d_.face.darker(0.35);
      const Rgb& outerTL = in ? dark2 : light;
      const Rgb& outerBR = in ? light : dark;
      const Rgb& innerTL = in ? dark : light2;
      const Rgb& innerBR = in ? light2 : dark2;
      const bool thin = part == BorderPart::Panel || part == BorderPart::Hint || part == BorderPart::Menu || part == BorderPart::GroupBox ||
                        part == BorderPart::PageControl;
      line(paint, 0, 0.5, w, 0.5, outerTL);
      line(paint, 0.5, 0, 0.5, h, outerTL);
      line(paint, 0, h - 0.5, w, h - 0.5, outerBR);
      line(paint, w - 0.5, 0, w - 0.5, h, outerBR);
      if (!thin) {
        line(paint, 1, 1.5, w - 1, 1.5, innerTL);
        line(paint, 1.5, 1, 1.5, h - 1, innerTL);
        line(paint, 1, h - 1.5, w - 1, h - 1.5, innerBR);
        line(paint, w - 1.5, 1, w - 1.5, h - 1, innerBR);
      }
      if (state == 1 && part == BorderPart::Button) {
        setColour(paint, d_.accent, 0.9);
        cairo_rectangle(paint, 2.5, 2.5, w - 5, h - 5);
        cairo_set_line_width(paint, 1);
        cairo_stroke(paint);
      }
      return;
    }
    case Material::Terminal: {
      setColour(paint, state == 0 ? d_.border : d_.accent);
      cairo_set_line_width(paint, 1);
      cairo_rectangle(paint, 0.5, 0.5, w - 1, h - 1);
      cairo_stroke(paint);
      if (state != 0) {
        cairo_rectangle(paint, 2.5, 2.5, w - 5, h - 5);
        cairo_stroke(paint);
      }
      return;
    }
    case Material::Neon: {
      const Rgb glow = state == 0 ? d_.border : d_.accent;
      // A menu item keeps the bright line without its halo: the menu bar's items are hardly taller
      // than their text, and a halo would take over the ground the text stands on.
      if (part != BorderPart::MenuItem) {
        roundedRect(paint, 1.5, 1.5, w - 3, h - 3, std::max(0.0, r - 1.5));
        setColour(paint, glow, 0.35);
        cairo_set_line_width(paint, 3);
        cairo_stroke(paint);
      }
      roundedRect(paint, 1.5, 1.5, w - 3, h - 3, std::max(0.0, r - 1.5));
      setColour(paint, glow.lighter(state == 0 ? 0.0 : 0.35), 1.0);
      cairo_set_line_width(paint, 1);
      cairo_stroke(paint);
      return;
    }
    default: break;
  }
  // Rounded materials: an outer rim, then a sheen or a shadow inside it.
  roundedRect(paint, 0.5, 0.5, w - 1, h - 1, std::max(0.0, r - 0.5));
  setColour(paint, rim);
  cairo_set_line_width(paint, 1);
  cairo_stroke(paint);
  const bool panelLike = part == BorderPart::Panel || part == BorderPart::GroupBox || part == BorderPart::PageControl ||
                         part == BorderPart::Menu || part == BorderPart::Hint;
  if (panelLike && d_.material == Material::Flat) return;
  roundedRect(paint, 1.5, 1.5, w - 3, h - 3, std::max(0.0, r - 1.5));
  if (pressed || sunken) {
    strokeSheen(paint, h, kBlack, 0.22, 0.02);
    return;
  }
  switch (d_.material) {
    case Material::Glass: strokeSheen(paint, h, kWhite, 0.8, 0.2); break;
    case Material::Gel: strokeSheen(paint, h, kWhite, 0.65, 0.35); break;
    case Material::Plastic: strokeSheen(paint, h, kWhite, 0.55, 0.0); break;
    case Material::Metal: strokeSheen(paint, h, kWhite, 0.7, 0.1); break;
    default: strokeSheen(paint, h, kWhite, panelLike ? 0.0 : 0.35, 0.0); break;
  }
}

Border FramePainter::control(BorderPart part) const {
  const int r = radiusFor(part);
  int corner = std::max(2, r + 1);
  if (d_.material == Material::Neon) corner = std::max(corner, 3);
  if (d_.material == Material::Terminal) corner = 3;
  int frames = 3;
  switch (part) {
    case BorderPart::Edit: frames = 2; break;
    case BorderPart::Panel:
    case BorderPart::PanelLow:
    case BorderPart::GroupBox:
    case BorderPart::PageControl:
    case BorderPart::Hint:
    case BorderPart::Menu:
    case BorderPart::ScrollTrack:
    case BorderPart::Gauge: frames = 1; break;
    case BorderPart::MenuItem: frames = 2; break;
    default: break;
  }
  int size = corner * 2 + 4;
  if (part == BorderPart::Huge) {
    corner = 12;
    size = 36;
  }
  Border border{MaskImage(size, size, frames), corner};
  for (int f = 0; f < frames; ++f) {
    const int state = f;
    border.image.drawFrame(f, [&](cairo_t* paint, cairo_t* shape) {
      drawRim(paint, shape, size, size, part == BorderPart::Huge ? 10 : r, state, part);
      if (part == BorderPart::Huge && d_.material != Material::Bevel && d_.material != Material::Terminal) {
        // The large button's own gloss: a soft band over its upper half.
        roundedRectPath(paint, 3, 3, size - 6, size / 2.0 - 3, 7, 7, 2, 2);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 3, 0, size / 2.0);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, state == 2 ? 0.1 : 0.45);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.05);
        cairo_set_source(paint, p);
        cairo_fill(paint);
        cairo_pattern_destroy(p);
      }
    });
  }
  return border;
}

Border FramePainter::tab(int side) const {
  const int r = d_.material == Material::Bevel || d_.material == Material::Terminal ? 0 : std::min(d_.radius, 5);
  const int corner = std::max(3, r + 1);
  const int size = corner * 2 + 4;
  MaskImage top(size, size, 3);
  for (int state = 0; state < 3; ++state) {
    top.drawFrame(state, [&](cairo_t* paint, cairo_t* shape) {
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      roundedRectPath(shape, 0, 0, size, size, r, r, 0, 0);
      cairo_fill(shape);
      const Rgb rim = state == 1 ? d_.border.mix(d_.accent, 0.6) : d_.border;
      cairo_set_line_width(paint, 1);
      roundedRectPath(paint, 0.5, 0.5, size - 1, size + 2, std::max(0.0, r - 0.5), std::max(0.0, r - 0.5), 0, 0);
      setColour(paint, rim);
      cairo_stroke(paint);
      if (d_.material == Material::Bevel) {
        line(paint, 1, 1.5, size - 1, 1.5, d_.face.lighter(0.8));
        line(paint, 1.5, 1, 1.5, size, d_.face.lighter(0.8));
        line(paint, size - 1.5, 1, size - 1.5, size, d_.face.darker(0.4));
      } else if (d_.material != Material::Terminal && d_.material != Material::Flat) {
        roundedRectPath(paint, 1.5, 1.5, size - 3, size, std::max(0.0, r - 1.5), std::max(0.0, r - 1.5), 0, 0);
        strokeSheen(paint, size, kWhite, 0.7, 0.0);
      }
      if (state == 2) {
        // The selected tab: an accent stripe along its outer edge, and open towards the sheet.
        setColour(paint, d_.accent);
        cairo_rectangle(paint, std::max(1, r / 2), 0, size - 2 * std::max(1, r / 2), 2);
        cairo_fill(paint);
      } else {
        line(paint, 0, size - 0.5, size, size - 0.5, d_.border);
      }
    });
  }
  return Border{top.turned(side), corner};
}

Border FramePainter::windowFrame() const {
  const int size = 12;
  Border border{MaskImage(size, size, 2), 3};
  for (int active = 0; active < 2; ++active) {
    border.image.drawFrame(active, [&](cairo_t* paint, cairo_t* shape) {
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      cairo_rectangle(shape, 0, 0, size, size);
      cairo_fill(shape);
      const Rgb body = active ? d_.frame : d_.inactiveFrame();
      setColour(paint, body);
      cairo_rectangle(paint, 0, 0, size, size);
      cairo_fill(paint);
      cairo_set_line_width(paint, 1);
      setColour(paint, body.darker(0.45));
      cairo_rectangle(paint, 0.5, 0.5, size - 1, size - 1);
      cairo_stroke(paint);
      setColour(paint, body.lighter(0.3));
      cairo_rectangle(paint, 1.5, 1.5, size - 3, size - 3);
      cairo_stroke(paint);
      setColour(paint, body.darker(0.25));
      cairo_rectangle(paint, 2.5, 2.5, size - 5, size - 5);
      cairo_stroke(paint);
      if (d_.roundedWindow) {
        // Bottom corners lose a pixel or two, so the window's shape is rounded there as well.
        cairo_set_operator(paint, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(paint, 0, size - 1, 2, 1);
        cairo_rectangle(paint, 0, size - 2, 1, 1);
        cairo_rectangle(paint, size - 2, size - 1, 2, 1);
        cairo_rectangle(paint, size - 1, size - 2, 1, 1);
        cairo_fill(paint);
        cairo_set_operator(shape, CAIRO_OPERATOR_CLEAR);
        cairo_rectangle(shape, 0, size - 1, 2, 1);
        cairo_rectangle(shape, 0, size - 2, 1, 1);
        cairo_rectangle(shape, size - 2, size - 1, 2, 1);
        cairo_rectangle(shape, size - 1, size - 2, 1, 1);
        cairo_fill(shape);
      }
    });
  }
  return border;
}

int FramePainter::captionCorner() const { return d_.roundedWindow ? 8 : 3; }

MaskImage FramePainter::caption() const {
  const int corner = captionCorner();
  const int w = corner * 2 + 6, h = 22;
  const double r = d_.roundedWindow ? 7 : 0;
  MaskImage image(w, h, 2);
  for (int active = 0; active < 2; ++active) {
    image.drawFrame(active, [&](cairo_t* paint, cairo_t* shape) {
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      roundedRectPath(shape, 0, 0, w, h, r, r, 0, 0);
      cairo_fill(shape);
      const Rgb body = active ? d_.frame : d_.inactiveFrame();
      cairo_set_line_width(paint, 1);
      if (!d_.roundedWindow) {
        // Square corners: the side pieces are the solid three-pixel frame.
        setColour(paint, body);
        cairo_rectangle(paint, 0, 0, w, h);
        cairo_rectangle(paint, 3, 3, w - 6, h - 5);
        cairo_set_fill_rule(paint, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(paint);
        setColour(paint, body.darker(0.45));
        cairo_rectangle(paint, 0.5, 0.5, w - 1, h);
        cairo_stroke(paint);
        setColour(paint, body.lighter(0.3));
        cairo_move_to(paint, 1.5, h);
        cairo_line_to(paint, 1.5, 1.5);
        cairo_line_to(paint, w - 1.5, 1.5);
        cairo_stroke(paint);
      } else {
        roundedRectPath(paint, 0.5, 0.5, w - 1, h + 2, r - 0.5, r - 0.5, 0, 0);
        setColour(paint, body.darker(0.45));
        cairo_stroke(paint);
        roundedRectPath(paint, 1.5, 1.5, w - 3, h + 2, r - 1.5, r - 1.5, 0, 0);
        strokeSheen(paint, h, kWhite, active ? 0.6 : 0.35, 0.0);
      }
      // The line under the caption.
      setColour(paint, body.darker(0.35));
      cairo_rectangle(paint, 0, h - 1, w, 1);
      cairo_fill(paint);
      setColour(paint, body.lighter(0.15));
      cairo_rectangle(paint, 0, h - 2, w, 1);
      cairo_fill(paint);
    });
  }
  return image;
}

MaskImage FramePainter::dividerLines(bool vertical) const {
  const int w = vertical ? 2 : 12, h = vertical ? 12 : 2;
  MaskImage image(w, h, 1);
  const bool dark = d_.window.lightness() < 0.45;
  image.drawFrame(0, [&](cairo_t* paint, cairo_t* shape) {
    cairo_set_source_rgba(shape, 0, 0, 0, 1);
    cairo_paint(shape);
    setColour(paint, dark ? d_.window.lighter(0.3) : d_.window.darker(0.3));
    cairo_rectangle(paint, 0, 0, vertical ? 1 : w, vertical ? h : 1);
    cairo_fill(paint);
    setColour(paint, dark ? d_.window.darker(0.4) : d_.window.lighter(0.7));
    cairo_rectangle(paint, vertical ? 1 : 0, vertical ? 0 : 1, vertical ? 1 : w, vertical ? h : 1);
    cairo_fill(paint);
  });
  return image;
}

}  // namespace tavra::skingen
