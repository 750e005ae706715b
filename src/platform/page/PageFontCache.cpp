#include "platform/page/PageFontCache.h"

#include <pango/pangocairo.h>

#include "gfx/FontSymbols.h"
#include "platform/page/PageFonts.h"

namespace tavra {

PageFontCache& PageFontCache::instance() {
  static PageFontCache cache;
  return cache;
}

PageFontCache::PageFontCache() {
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
  pango_context_set_language(context_, pango_language_from_string("ru"));
}

PageFontCache::~PageFontCache() {
  faces_.clear();
  if (context_) g_object_unref(context_);
}

std::shared_ptr<PageFontFace> PageFontCache::face(std::string_view cssFamilies, int sizePx, int weight, bool italic,
                                                  unsigned decoration) {
  std::string key(cssFamilies);
  key += '|' + std::to_string(sizePx) + '|' + std::to_string(weight) + '|' + (italic ? 'i' : 'n') + '|' +
         std::to_string(decoration);
  if (auto it = faces_.find(key); it != faces_.end()) return it->second;
  if (faces_.size() >= kMaxFaces) {
    std::erase_if(faces_, [](const auto& entry) { return entry.second.use_count() == 1; });
  }
  // The family with its symbol fallback, so that ∈ or ∓ come from a matching face.
  std::string family = mapFontFaceWithSymbols(PageFonts::faceFor(cssFamilies));
  auto face = std::make_shared<PageFontFace>(context_, family, sizePx, weight, italic, decoration);
  faces_.emplace(std::move(key), face);
  return face;
}

}  // namespace tavra
