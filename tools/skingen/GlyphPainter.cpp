#include "GlyphPainter.h"

#include <algorithm>
#include <cmath>

#include "FramePainter.h"

namespace tavra::skingen {
namespace {

const Rgb kWhite{255, 255, 255};

void fillShapeRect(cairo_t* shape, double w, double h) {
  cairo_set_source_rgba(shape, 0, 0, 0, 1);
  cairo_rectangle(shape, 0, 0, w, h);
  cairo_fill(shape);
}

void verticalGloss(cairo_t* cr, double y0, double y1, const Rgb& top, const Rgb& bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(p, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(p, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(cr, p);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(p);
}

}  // namespace

void GlyphPainter::captionBackground(cairo_t* paint, cairo_t* shape, double w, double h, int state, CaptionGlyph glyph) const {
  const bool close = glyph == CaptionGlyph::Close;
  Rgb base = d_.frame.lighter(0.25);
  if (d_.captionButtons == ButtonShape::Gem || (close && d_.material != Material::Terminal && d_.material != Material::Bevel &&
                                                d_.captionButtons != ButtonShape::Bare)) {
    base = close ? Rgb{200, 64, 48}.mix(d_.accent, 0.15) : d_.frame.mix(d_.accent, 0.5);
  }
  if (d_.glyphs == GlyphStyle::Mac) {
    base = glyph == CaptionGlyph::Close ? Rgb{226, 84, 70} : glyph == CaptionGlyph::Minimize ? Rgb{232, 178, 52} : Rgb{98, 184, 72};
    if (glyph == CaptionGlyph::Help) base = Rgb{120, 140, 200};
  }
  if (state == 1) base = base.lighter(0.25);
  if (state == 2) base = base.darker(0.25);
  cairo_set_line_width(paint, 1);
  switch (d_.captionButtons) {
    case ButtonShape::Bare:
      fillShapeRect(shape, w, h);
      if (state != 0) {
        setColour(paint, kWhite, state == 1 ? 0.25 : 0.4);
        cairo_rectangle(paint, 0, 0, w, h);
        cairo_fill(paint);
      }
      return;
    case ButtonShape::Square:
      fillShapeRect(shape, w, h);
      if (d_.material == Material::Bevel) {
        const Rgb face = d_.face;
        setColour(paint, face);
        cairo_rectangle(paint, 0, 0, w, h);
        cairo_fill(paint);
        const bool in = state == 2;
        setColour(paint, in ? face.darker(0.7) : face.lighter(0.85));
        cairo_move_to(paint, 0.5, h);
        cairo_line_to(paint, 0.5, 0.5);
        cairo_line_to(paint, w, 0.5);
        cairo_stroke(paint);
        setColour(paint, in ? face.lighter(0.85) : face.darker(0.7));
        cairo_move_to(paint, w - 0.5, 0);
        cairo_line_to(paint, w - 0.5, h - 0.5);
        cairo_line_to(paint, 0, h - 0.5);
        cairo_stroke(paint);
        return;
      }
      cairo_rectangle(paint, 0.5, 0.5, w - 1, h - 1);
      verticalGloss(paint, 0, h, base.lighter(0.3), base);
      setColour(paint, base.darker(0.5));
      cairo_stroke(paint);
      return;
    case ButtonShape::Round:
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      cairo_arc(shape, w / 2, h / 2, std::min(w, h) / 2, 0, 2 * M_PI);
      cairo_fill(shape);
      cairo_arc(paint, w / 2, h / 2, std::min(w, h) / 2 - 0.5, 0, 2 * M_PI);
      verticalGloss(paint, 0, h, base.lighter(0.45), base.darker(0.1));
      setColour(paint, base.darker(0.5));
      cairo_stroke(paint);
      // A bubble's highlight.
      cairo_save(paint);
      cairo_translate(paint, w / 2, h * 0.32);
      cairo_scale(paint, w * 0.3, h * 0.17);
      cairo_arc(paint, 0, 0, 1, 0, 2 * M_PI);
      cairo_restore(paint);
      setColour(paint, kWhite, 0.55);
      cairo_fill(paint);
      return;
    case ButtonShape::Gem:
    case ButtonShape::Rounded:
    case ButtonShape::Pill: {
      const double r = d_.captionButtons == ButtonShape::Pill ? h / 2 : d_.captionButtons == ButtonShape::Gem ? 2 : 4;
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      roundedRectPath(shape, 0, 0, w, h, r, r, r, r);
      cairo_fill(shape);
      roundedRectPath(paint, 0.5, 0.5, w - 1, h - 1, r - 0.5, r - 0.5, r - 0.5, r - 0.5);
      verticalGloss(paint, 0, h, base.lighter(0.35), base.darker(0.05));
      setColour(paint, base.darker(0.5));
      cairo_stroke(paint);
      // Upper half reflection.
      roundedRectPath(paint, 2, 1.5, w - 4, h / 2 - 1.5, r - 1.5, r - 1.5, 1, 1);
      setColour(paint, kWhite, d_.captionButtons == ButtonShape::Gem ? 0.45 : 0.3);
      cairo_fill(paint);
      return;
    }
  }
}

void GlyphPainter::captionSymbol(cairo_t* paint, double w, double h, int state, CaptionGlyph glyph, bool large) const {
  if (d_.glyphs == GlyphStyle::Mac && state == 0) return;  // symbols appear on hover only
  Rgb ink = d_.captionButtons == ButtonShape::Bare ? d_.titleText : kWhite;
  if (d_.material == Material::Bevel && d_.captionButtons == ButtonShape::Square) ink = Rgb{0, 0, 0};
  if (d_.glyphs == GlyphStyle::Mac) ink = Rgb{70, 30, 20};
  if (d_.material == Material::Terminal) ink = state == 0 ? d_.titleText : d_.accent;
  const double s = large ? 8 : 6;
  const double cx = std::floor(w / 2) + (state == 2 ? 1 : 0), cy = std::floor(h / 2) + (state == 2 ? 1 : 0);
  const double lw = d_.glyphs == GlyphStyle::Round ? 2.0 : d_.glyphs == GlyphStyle::Terminal ? 1.0 : 1.6;
  cairo_set_line_width(paint, lw);
  cairo_set_line_cap(paint, d_.glyphs == GlyphStyle::Round ? CAIRO_LINE_CAP_ROUND : CAIRO_LINE_CAP_SQUARE);
  if (d_.glyphs == GlyphStyle::Terminal) cairo_set_antialias(paint, CAIRO_ANTIALIAS_NONE);
  setColour(paint, ink);
  const double hs = s / 2;
  switch (glyph) {
    case CaptionGlyph::Close:
      cairo_move_to(paint, cx - hs, cy - hs);
      cairo_line_to(paint, cx + hs, cy + hs);
      cairo_move_to(paint, cx + hs, cy - hs);
      cairo_line_to(paint, cx - hs, cy + hs);
      cairo_stroke(paint);
      break;
    case CaptionGlyph::Minimize:
      cairo_move_to(paint, cx - hs, cy + hs - 0.5);
      cairo_line_to(paint, cx + hs, cy + hs - 0.5);
      cairo_stroke(paint);
      break;
    case CaptionGlyph::Maximize:
      cairo_rectangle(paint, cx - hs + 0.5, cy - hs + 0.5, s - 1, s - 1);
      cairo_stroke(paint);
      cairo_rectangle(paint, cx - hs, cy - hs, s, 2);
      cairo_fill(paint);
      break;
    case CaptionGlyph::Restore:
      cairo_rectangle(paint, cx - hs + 2.5, cy - hs + 0.5, s - 3, s - 3);
      cairo_stroke(paint);
      cairo_rectangle(paint, cx - hs + 0.5, cy - hs + 3.5, s - 3, s - 3);
      cairo_stroke(paint);
      break;
    case CaptionGlyph::Help:
      cairo_arc(paint, cx, cy - hs / 2, hs / 1.6, M_PI, 2.2 * M_PI);
      cairo_line_to(paint, cx, cy + 1);
      cairo_stroke(paint);
      cairo_rectangle(paint, cx - 1, cy + hs - 1.5, 2, 2);
      cairo_fill(paint);
      break;
  }
}

MaskImage GlyphPainter::captionButton(CaptionGlyph glyph, bool large) const {
  int w = large ? 21 : 16, h = large ? 18 : 14;
  if (d_.captionButtons == ButtonShape::Round) w = h = large ? 17 : 13;
  if (d_.captionButtons == ButtonShape::Pill && large) w = 25;
  if (d_.glyphs == GlyphStyle::Mac) w = h = large ? 15 : 12;
  MaskImage image(w, h, 3);
  for (int state = 0; state < 3; ++state) {
    image.drawFrame(state, [&](cairo_t* paint, cairo_t* shape) {
      captionBackground(paint, shape, w, h, state, glyph);
      captionSymbol(paint, w, h, state, glyph, large);
    });
  }
  return image;
}

MaskImage GlyphPainter::box(BoxKind kind) const {
  const bool radio = kind == BoxKind::RadioChecked || kind == BoxKind::RadioUnchecked || kind == BoxKind::RadioGrayed;
  const bool small = kind == BoxKind::SmallChecked || kind == BoxKind::SmallUnchecked || kind == BoxKind::SmallGrayed;
  const bool checked = kind == BoxKind::Checked || kind == BoxKind::RadioChecked || kind == BoxKind::SmallChecked;
  const bool grayed = kind == BoxKind::Grayed || kind == BoxKind::RadioGrayed || kind == BoxKind::SmallGrayed;
  const int size = small ? 11 : 13;
  MaskImage image(size, size, 3);
  const bool square = d_.material == Material::Bevel || d_.material == Material::Terminal;
  for (int state = 0; state < 3; ++state) {
    image.drawFrame(state, [&](cairo_t* paint, cairo_t* shape) {
      const double s = size;
      cairo_set_source_rgba(shape, 0, 0, 0, 1);
      if (radio) cairo_arc(shape, s / 2, s / 2, s / 2, 0, 2 * M_PI);
      else cairo_rectangle(shape, 0, 0, s, s);
      cairo_fill(shape);
      const Rgb fill = state == 2 ? d_.edit.mix(d_.accent, 0.3) : state == 1 ? d_.edit.mix(d_.accent, 0.12) : d_.edit;
      const Rgb rim = state == 0 ? d_.border : d_.accent;
      const double r = square ? 0 : std::min(3, d_.radius);
      if (radio) cairo_arc(paint, s / 2, s / 2, s / 2 - 0.5, 0, 2 * M_PI);
      else roundedRectPath(paint, 0.5, 0.5, s - 1, s - 1, r, r, r, r);
      if (d_.material == Material::Glass || d_.material == Material::Gel || d_.material == Material::Plastic) {
        verticalGloss(paint, 0, s, fill.darker(0.08), fill.lighter(0.5));
      } else {
        setColour(paint, fill);
        cairo_fill_preserve(paint);
      }
      setColour(paint, rim);
      cairo_set_line_width(paint, 1);
      cairo_stroke(paint);
      if (d_.material == Material::Bevel && !radio) {
        setColour(paint, d_.face.darker(0.5));
        cairo_move_to(paint, 1.5, s - 1);
        cairo_line_to(paint, 1.5, 1.5);
        cairo_line_to(paint, s - 1, 1.5);
        cairo_stroke(paint);
      }
      const Rgb ink = grayed ? d_.editText.mix(d_.edit, 0.55) : (d_.material == Material::Terminal ? d_.accent : d_.editText.mix(d_.accent, 0.35));
      if (checked || grayed) {
        setColour(paint, ink);
        if (radio) {
          cairo_arc(paint, s / 2, s / 2, s / 2 - 3.5, 0, 2 * M_PI);
          cairo_fill(paint);
        } else if (grayed) {
          cairo_rectangle(paint, 3, 3, s - 6, s - 6);
          cairo_fill(paint);
        } else {
          cairo_set_line_width(paint, small ? 1.6 : 2.0);
          cairo_move_to(paint, s * 0.24, s * 0.5);
          cairo_line_to(paint, s * 0.43, s * 0.72);
          cairo_line_to(paint, s * 0.78, s * 0.26);
          cairo_stroke(paint);
        }
      }
    });
  }
  return image;
}

MaskImage GlyphPainter::checkMark() const {
  MaskImage image(12, 12, 2);
  for (int state = 0; state < 2; ++state) {
    image.drawFrame(state, [&](cairo_t* paint, cairo_t*) {
      setColour(paint, state == 0 ? d_.text : d_.selectText);
      cairo_set_line_width(paint, 2);
      cairo_move_to(paint, 2.5, 6);
      cairo_line_to(paint, 5, 9);
      cairo_line_to(paint, 9.5, 3);
      cairo_stroke(paint);
    });
  }
  return image;
}

MaskImage GlyphPainter::grip() const {
  MaskImage image(12, 12, 1);
  image.drawFrame(0, [&](cairo_t* paint, cairo_t*) {
    const bool dark = d_.window.lightness() < 0.45;
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j <= i; ++j) {
        const double x = 10 - j * 4, y = 10 - (i - j) * 4;
        setColour(paint, dark ? d_.window.darker(0.5) : kWhite);
        cairo_rectangle(paint, x - 1, y - 1, 2, 2);
        cairo_fill(paint);
        setColour(paint, dark ? d_.window.lighter(0.45) : d_.window.darker(0.45));
        cairo_rectangle(paint, x - 2, y - 2, 2, 2);
        cairo_fill(paint);
      }
    }
  });
  return image;
}

MaskImage GlyphPainter::arrow(Arrow direction) const {
  MaskImage image(9, 9, 3);
  for (int state = 0; state < 3; ++state) {
    image.drawFrame(state, [&](cairo_t* paint, cairo_t*) {
      const Rgb ink = state == 0 ? d_.text : d_.text.mix(d_.accent, 0.7);
      setColour(paint, ink);
      if (d_.material == Material::Terminal) cairo_set_antialias(paint, CAIRO_ANTIALIAS_NONE);
      const double o = state == 2 ? 0.5 : 0;
      switch (direction) {
        case Arrow::Up: cairo_move_to(paint, 1 + o, 6.5 + o); cairo_line_to(paint, 4.5 + o, 2.5 + o); cairo_line_to(paint, 8 + o, 6.5 + o); break;
        case Arrow::Down: cairo_move_to(paint, 1 + o, 2.5 + o); cairo_line_to(paint, 4.5 + o, 6.5 + o); cairo_line_to(paint, 8 + o, 2.5 + o); break;
        case Arrow::Left: cairo_move_to(paint, 6.5 + o, 1 + o); cairo_line_to(paint, 2.5 + o, 4.5 + o); cairo_line_to(paint, 6.5 + o, 8 + o); break;
        case Arrow::Right: cairo_move_to(paint, 2.5 + o, 1 + o); cairo_line_to(paint, 6.5 + o, 4.5 + o); cairo_line_to(paint, 2.5 + o, 8 + o); break;
      }
      cairo_close_path(paint);
      cairo_fill(paint);
    });
  }
  return image;
}

MaskImage GlyphPainter::sliderGrip(bool vertical) const {
  MaskImage image(8, 8, 3);
  for (int state = 0; state < 3; ++state) {
    image.drawFrame(state, [&](cairo_t* paint, cairo_t*) {
      const Rgb base = state == 0 ? d_.face : d_.hot;
      for (int i = 0; i < 3; ++i) {
        const double p = 1.5 + i * 2.5;
        setColour(paint, base.darker(0.45));
        if (vertical) cairo_rectangle(paint, 1, p - 0.5, 6, 1);
        else cairo_rectangle(paint, p - 0.5, 1, 1, 6);
        cairo_fill(paint);
        setColour(paint, base.lighter(0.6));
        if (vertical) cairo_rectangle(paint, 1, p + 0.5, 6, 1);
        else cairo_rectangle(paint, p + 0.5, 1, 1, 6);
        cairo_fill(paint);
      }
    });
  }
  return image;
}

MaskImage GlyphPainter::glow(int size, const Rgb& colour) const {
  MaskImage image(size, size, 1);
  image.drawFrame(0, [&](cairo_t* paint, cairo_t*) {
    const double b = size / 3.0;
    // A soft halo: stacked rounded outlines fading outwards.
    for (int i = 0; i < static_cast<int>(b); ++i) {
      const double inset = i + 0.5;
      roundedRectPath(paint, inset, inset, size - 2 * inset, size - 2 * inset, b - i * 0.6, b - i * 0.6, b - i * 0.6, b - i * 0.6);
      const double t = (i + 1) / b;
      setColour(paint, colour, 0.05 + 0.5 * t * t);
      cairo_set_line_width(paint, 1);
      cairo_stroke(paint);
    }
  });
  return image;
}

}  // namespace tavra::skingen
