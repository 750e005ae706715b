#include "gfx/TextEngine.h"

#include <algorithm>
#include <cstdlib>

#include "base/Text.h"

namespace tavra {
namespace {

constexpr int kDefaultFontHeight = 11;

int fontPixelHeight(const Font& font) {
  int h = std::abs(font.height);
  return h == 0 ? kDefaultFontHeight : std::min(h, 2000);
}

unsigned shapeStyle(const Font& font) { return font.style & (fsBold | fsItalic); }

}  // namespace

std::string_view validUtf8(std::string_view text, std::string& storage) {
  if (g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr)) return text;
  std::u32string codePoints = utf8ToCodePoints(text);
  std::erase(codePoints, U'\0');
  storage = codePointsToUtf8(codePoints);
  return storage;
}

TextEngine& TextEngine::instance() {
  static TextEngine engine;
  return engine;
}

TextEngine::TextEngine() {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  context_.reset(pango_font_map_create_context(map));
  pango_cairo_context_set_resolution(context_.get(), 96.0);
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_ON);
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
  pango_cairo_context_set_font_options(context_.get(), options);
  cairo_font_options_destroy(options);
  pango_context_set_round_glyph_positions(context_.get(), TRUE);
  layout_.reset(pango_layout_new(context_.get()));
  pango_layout_set_single_paragraph_mode(layout_.get(), TRUE);
}

TextEngine::FontEntry& TextEngine::entry(const Font& font) {
  auto key = std::make_tuple(font.name, fontPixelHeight(font), shapeStyle(font));
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;

  FontEntry e;
  e.description.reset(pango_font_description_new());
  PangoFontDescription* d = e.description.get();
  pango_font_description_set_family(d, mapFontFace(font.name).c_str());
  pango_font_description_set_absolute_size(d, fontPixelHeight(font) * PANGO_SCALE);
  pango_font_description_set_weight(d, font.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, font.italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);

  // Metrics from a laid-out line, so that they agree with what drawing produces.
  PangoLayout* l = layout_.get();
  last_ = {};
  pango_layout_set_attributes(l, nullptr);
  pango_layout_set_font_description(l, d);
  pango_layout_set_text(l, "Xg", -1);
  PangoRectangle logical;
  pango_layout_get_pixel_extents(l, nullptr, &logical);
  e.metrics.height = logical.height;
  e.metrics.ascent = PANGO_PIXELS(pango_layout_get_baseline(l));
  e.metrics.descent = e.metrics.height - e.metrics.ascent;
  static constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  pango_layout_set_text(l, kAlphabet, -1);
  pango_layout_get_pixel_extents(l, nullptr, &logical);
  e.metrics.averageCharWidth = (logical.width + 26) / 52;

  return fonts_.emplace(key, std::move(e)).first->second;
}

const TextMetrics& TextEngine::metrics(const Font& font) { return entry(font).metrics; }

bool TextEngine::LastRequest::matches(const FontEntry* f, unsigned d, const LayoutRequest& r) const {
  if (font != f || decoration != d || tabWidth != r.tabWidth || text != r.text || underlines.size() != r.underlines.size()) return false;
  for (size_t i = 0; i < underlines.size(); ++i) {
    if (underlines[i].first != r.underlines[i].begin || underlines[i].second != r.underlines[i].end) return false;
  }
  return true;
}

PangoLayout* TextEngine::layout(const Font& font, const LayoutRequest& request) {
  FontEntry& e = entry(font);
  PangoLayout* l = layout_.get();
  const unsigned decoration = font.style & (fsUnderline | fsStrikeOut);
  if (request.direction == direction_ && last_.matches(&e, decoration, request)) return l;
  last_.font = &e;
  last_.decoration = decoration;
  last_.text.assign(request.text);
  last_.underlines.clear();
  for (const ByteRange& r : request.underlines) last_.underlines.emplace_back(r.begin, r.end);
  last_.tabWidth = request.tabWidth;
  pango_layout_set_font_description(l, e.description.get());

  const bool underlineAll = (font.style & fsUnderline) != 0;
  const bool strike = (font.style & fsStrikeOut) != 0;
  if (underlineAll || strike || !request.underlines.empty()) {
    PangoAttrList* attrs = pango_attr_list_new();
    if (underlineAll) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (strike) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (!underlineAll) {
      for (const ByteRange& r : request.underlines) {
        PangoAttribute* a = pango_attr_underline_new(PANGO_UNDERLINE_SINGLE);
        a->start_index = static_cast<guint>(r.begin);
        a->end_index = static_cast<guint>(r.end);
        pango_attr_list_insert(attrs, a);
      }
    }
    pango_layout_set_attributes(l, attrs);
    pango_attr_list_unref(attrs);
  } else {
    pango_layout_set_attributes(l, nullptr);
  }

  if (request.tabWidth > 0) {
    PangoTabArray* tabs = pango_tab_array_new_with_positions(1, TRUE, PANGO_TAB_LEFT, request.tabWidth);
    pango_layout_set_tabs(l, tabs);
    pango_tab_array_free(tabs);
  } else {
    pango_layout_set_tabs(l, nullptr);
  }
  if (request.direction != direction_) {
    direction_ = request.direction;
    const bool rtl = direction_ == TextDirection::RightToLeft;
    pango_context_set_base_dir(context_.get(), rtl ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR);
    pango_layout_set_auto_dir(l, !rtl);
    pango_layout_context_changed(l);
  }
  pango_layout_set_text(l, request.text.data(), static_cast<int>(request.text.size()));
  return l;
}

int TextEngine::pixelWidth(PangoLayout* layout) {
  PangoRectangle logical;
  pango_layout_get_extents(layout, nullptr, &logical);
  return PANGO_PIXELS_CEIL(logical.x + logical.width) - PANGO_PIXELS_FLOOR(logical.x);
}

std::vector<Cluster> TextEngine::clusters(PangoLayout* layout) {
  std::vector<Cluster> out;
  PangoLayoutIter* it = pango_layout_get_iter(layout);
  do {
    if (pango_layout_iter_get_run_readonly(it) == nullptr) continue;  // end of line
    PangoRectangle logical;
    pango_layout_iter_get_cluster_extents(it, nullptr, &logical);
    out.push_back({pango_layout_iter_get_index(it), logical.width});
  } while (pango_layout_iter_next_cluster(it));
  pango_layout_iter_free(it);
  std::sort(out.begin(), out.end(), [](const Cluster& a, const Cluster& b) { return a.byteIndex < b.byteIndex; });
  return out;
}

}  // namespace tavra
