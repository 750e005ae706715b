#include "platform/PageFonts.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "base/Text.h"
#include "gfx/Font.h"
#include "gfx/FontSymbols.h"

namespace tavra {

struct PageFonts::Font {
  PangoFontDescription* description = nullptr;
  PangoLayout* layout = nullptr;
  PageFontMetrics metrics;
  int baseline = 0;  // from the layout's top, pixels
  std::unordered_map<std::string, double> widths;  // pixels

  ~Font() {
    if (layout) g_object_unref(layout);
    if (description) pango_font_description_free(description);
  }
};

namespace {

constexpr unsigned kUnderline = 0x01;
constexpr unsigned kLineThrough = 0x02;
constexpr unsigned kOverline = 0x04;

std::string_view unquoted(std::string_view s) {
  s = trimmed(s);
  if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) s = s.substr(1, s.size() - 2);
  return trimmed(s);
}

}  // namespace

PageFonts::PageFonts() {
  context_ = pango_font_map_create_context(pango_cairo_font_map_get_default());
  // Unhinted metrics, so that measured widths do not depend on the surface drawn on.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  pango_cairo_context_set_font_options(context_, options);
  cairo_font_options_destroy(options);
  pango_cairo_context_set_resolution(context_, 96);
  // Fractional glyph advances, as a browser lays text out: rounding each glyph's position to
  // whole pixels makes words up to 1.3 % wider, and lines wrap earlier.
  pango_context_set_round_glyph_positions(context_, FALSE);
  PangoLanguage* russian = pango_language_from_string("ru");
  pango_context_set_language(context_, russian);
}

PageFonts::~PageFonts() {
  fonts_.clear();
  if (context_) g_object_unref(context_);
}

std::string PageFonts::familyFor(std::string_view cssFamilies) { return mapFontFace(faceFor(cssFamilies)); }

std::string PageFonts::faceFor(std::string_view cssFamilies) {
  // The first family of the list that we know, a generic one included; unknown faces of a
  // serif design count as serif. Otherwise the font table's choice for the first family.
  static constexpr std::string_view kSerifLike[] = {"cambria", "georgia", "garamond", "book antiqua", "palatino",
                                                    "bookman old style", "century", "century schoolbook"};
  static constexpr std::string_view kSansLike[] = {"arial", "tahoma", "ms sans serif", "helvetica", "calibri", "sans-serif",
                                                   "system-ui", "microsoft sans serif", "arial cyr"};
  const std::string fallback = mapFontFace("");
  std::string first;
  size_t start = 0;
  while (start <= cssFamilies.size()) {
    size_t comma = cssFamilies.find(',', start);
    std::string family(unquoted(cssFamilies.substr(start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
    start = comma == std::string_view::npos ? cssFamilies.size() + 1 : comma + 1;
    if (family.empty()) continue;
    if (first.empty()) first = family;
    std::string lower = toLowerAscii(family);
    if (lower == "serif" || lower == "times" || lower == "times new roman cyr") return "Times New Roman";
    if (lower == "monospace" || lower == "courier" || lower == "courier new cyr") return "Courier New";
    if (lower == "cursive") return "Monotype Corsiva";
    for (std::string_view serif : kSerifLike) {
      if (lower == serif) return "Times New Roman";
    }
    for (std::string_view sans : kSansLike) {
      if (lower == sans) return "Arial";
    }
    if (mapFontFace(family) != fallback) return family;
  }
  return first.empty() ? "Times New Roman" : first;
}

std::uintptr_t PageFonts::create(std::string_view cssFamilies, int sizePx, int weight, bool italic, unsigned decoration) {
  auto font = std::make_unique<Font>();
  font->description = pango_font_description_new();
  // The family with its symbol fallback, so that ∈ or ∓ come from a matching face.
  std::string family = mapFontFaceWithSymbols(faceFor(cssFamilies));
  pango_font_description_set_family(font->description, family.c_str());
  pango_font_description_set_absolute_size(font->description, std::clamp(sizePx, 1, kMaxFontSize) * PANGO_SCALE);
  pango_font_description_set_weight(font->description, static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
  pango_font_description_set_style(font->description, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

  font->layout = pango_layout_new(context_);
  pango_layout_set_font_description(font->layout, font->description);
  if (decoration & (kUnderline | kLineThrough | kOverline)) {
    PangoAttrList* attrs = pango_attr_list_new();
    if (decoration & kUnderline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (decoration & kLineThrough) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (decoration & kOverline) pango_attr_list_insert(attrs, pango_attr_overline_new(PANGO_OVERLINE_SINGLE));
    pango_layout_set_attributes(font->layout, attrs);
    pango_attr_list_unref(attrs);
  }

  PangoFontMetrics* m = pango_context_get_metrics(context_, font->description, nullptr);
  font->metrics.ascent = static_cast<int>(std::ceil(pango_font_metrics_get_ascent(m) / double(PANGO_SCALE)));
  font->metrics.descent = static_cast<int>(std::ceil(pango_font_metrics_get_descent(m) / double(PANGO_SCALE)));
  font->metrics.height = font->metrics.ascent + font->metrics.descent;
  pango_font_metrics_unref(m);

  pango_layout_set_text(font->layout, "x", 1);
  PangoRectangle ink;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(font->layout, &ink, &logical);
  font->metrics.xHeight = ink.height > 0 ? ink.height : font->metrics.ascent / 2;
  font->baseline = pango_layout_get_baseline(font->layout) / PANGO_SCALE;

  fonts_.push_back(std::move(font));
  return fonts_.size();
}

PageFonts::Font* PageFonts::get(std::uintptr_t font) const {
  if (font == 0 || font > fonts_.size()) return nullptr;
  return fonts_[font - 1].get();
}

void PageFonts::release(std::uintptr_t font) {
  if (font > 0 && font <= fonts_.size()) fonts_[font - 1].reset();
}

PageFontMetrics PageFonts::metrics(std::uintptr_t font) const {
  const Font* f = get(font);
  return f ? f->metrics : PageFontMetrics{};
}

double PageFonts::exactWidth(Font& font, std::string_view text) {
  std::string key(text);
  if (auto it = font.widths.find(key); it != font.widths.end()) return it->second;
  pango_layout_set_text(font.layout, text.data(), static_cast<int>(text.size()));
  PangoRectangle logical;
  pango_layout_get_extents(font.layout, nullptr, &logical);
  double width = logical.width / double(PANGO_SCALE);
  font.widths.emplace(std::move(key), width);
  return width;
}

int PageFonts::textWidth(std::uintptr_t font, std::string_view text) {
  Font* f = get(font);
  if (!f || text.empty()) return 0;
  return static_cast<int>(std::lround(exactWidth(*f, text)));
}

int PageFonts::layoutTextWidth(std::uintptr_t font, std::string_view text) {
  Font* f = get(font);
  if (!f || text.empty()) return 0;
  laidOutExact_ += exactWidth(*f, text);
  long long whole = std::llround(laidOutExact_);
  int width = static_cast<int>(std::max(0LL, whole - laidOutWhole_));
  laidOutWhole_ += width;
  return width;
}

void PageFonts::drawText(cairo_t* cr, std::uintptr_t font, std::string_view text, double r, double g, double b, double a,
                         int x, int bottom) {
  Font* f = get(font);
  if (!f || text.empty()) return;
  pango_layout_set_text(f->layout, text.data(), static_cast<int>(text.size()));
  int baselineY = bottom - f->metrics.descent;
  cairo_set_source_rgba(cr, r, g, b, a);
  cairo_move_to(cr, x, baselineY - f->baseline);
  pango_cairo_show_layout(cr, f->layout);
}

size_t PageFonts::cachedWidthCount() const {
  size_t n = 0;
  for (const auto& f : fonts_) {
    if (f) n += f->widths.size();
  }
  return n;
}

}  // namespace tavra
