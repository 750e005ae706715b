#include "platform/page/PageFontFace.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace tavra {

namespace {

constexpr unsigned kUnderline = 0x01;
constexpr unsigned kLineThrough = 0x02;
constexpr unsigned kOverline = 0x04;

}  // namespace

PageFontFace::PageFontFace(PangoContext* context, const std::string& family, int sizePx, int weight, bool italic,
                           unsigned decoration)
    : context_(context), decoration_(decoration) {
  description_ = pango_font_description_new();
  pango_font_description_set_family(description_, family.c_str());
  pango_font_description_set_absolute_size(description_, std::max(sizePx, 1) * PANGO_SCALE);
  pango_font_description_set_weight(description_, static_cast<PangoWeight>(std::clamp(weight, 100, 1000)));
  pango_font_description_set_style(description_, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  layout_ = newLayout();

  PangoFontMetrics* m = pango_context_get_metrics(context, description_, nullptr);
  metrics_.ascent = static_cast<int>(std::ceil(pango_font_metrics_get_ascent(m) / double(PANGO_SCALE)));
  metrics_.descent = static_cast<int>(std::ceil(pango_font_metrics_get_descent(m) / double(PANGO_SCALE)));
  metrics_.height = metrics_.ascent + metrics_.descent;
  pango_font_metrics_unref(m);

  pango_layout_set_text(layout_.get(), "x", 1);
  PangoRectangle ink;
  PangoRectangle logical;
  pango_layout_get_pixel_extents(layout_.get(), &ink, &logical);
  metrics_.xHeight = ink.height > 0 ? ink.height : metrics_.ascent / 2;
  baseline_ = pango_layout_get_baseline(layout_.get()) / PANGO_SCALE;
}

PageFontFace::~PageFontFace() {
  shaped_.clear();
  layout_.reset();
  if (description_) pango_font_description_free(description_);
}

PageFontFace::LayoutPtr PageFontFace::newLayout() const {
  LayoutPtr layout(pango_layout_new(context_));
  pango_layout_set_font_description(layout.get(), description_);
  if (decoration_ & (kUnderline | kLineThrough | kOverline)) {
    PangoAttrList* attrs = pango_attr_list_new();
    if (decoration_ & kUnderline) pango_attr_list_insert(attrs, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
    if (decoration_ & kLineThrough) pango_attr_list_insert(attrs, pango_attr_strikethrough_new(TRUE));
    if (decoration_ & kOverline) pango_attr_list_insert(attrs, pango_attr_overline_new(PANGO_OVERLINE_SINGLE));
    pango_layout_set_attributes(layout.get(), attrs);
    pango_attr_list_unref(attrs);
  }
  return layout;
}

double PageFontFace::width(std::string_view text) {
  if (text.empty()) return 0;
  if (auto it = widths_.find(text); it != widths_.end()) return it->second;
  pango_layout_set_text(layout_.get(), text.data(), static_cast<int>(text.size()));
  PangoRectangle logical;
  pango_layout_get_extents(layout_.get(), nullptr, &logical);
  double width = logical.width / double(PANGO_SCALE);
  if (widths_.size() >= kMaxCachedWidths) widths_.clear();
  widths_.emplace(std::string(text), width);
  return width;
}

void PageFontFace::draw(cairo_t* cr, std::string_view text, double x, double baselineY) {
  if (text.empty()) return;
  auto it = shaped_.find(text);
  if (it == shaped_.end()) {
    if (shaped_.size() >= kMaxShapedTexts) shaped_.clear();
    LayoutPtr layout = newLayout();
    pango_layout_set_text(layout.get(), text.data(), static_cast<int>(text.size()));
    it = shaped_.emplace(std::string(text), std::move(layout)).first;
  }
  cairo_move_to(cr, x, baselineY - baseline_);
  pango_cairo_show_layout(cr, it->second.get());
}

}  // namespace tavra
