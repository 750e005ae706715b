#pragma once
// One font of the page viewer: a family at a pixel size, weight, slant and decoration, with its
// metrics and the widths of the texts measured in it. Pages share faces (PageFontCache), so a
// word measured on one page is not measured again on the next.
#include <cairo.h>
#include <pango/pango.h>

#include <string>
#include <string_view>
#include <unordered_map>

namespace tavra {

struct PageFontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int xHeight = 0;
};

class PageFontFace {
 public:
  // Texts whose widths are kept at most; a face that measured more starts afresh.
  static constexpr size_t kMaxCachedWidths = 20000;

  // `family` is a pango family list; `decoration` holds the underline, line-through and
  // overline bits (1, 2, 4).
  PageFontFace(PangoContext* context, const std::string& family, int sizePx, int weight, bool italic, unsigned decoration);
  ~PageFontFace();
  PageFontFace(const PageFontFace&) = delete;
  PageFontFace& operator=(const PageFontFace&) = delete;

  const PageFontMetrics& metrics() const { return metrics_; }
  // The advance width of a text in pixels, fractional.
  double width(std::string_view text);
  // Draws text with its baseline at y.
  void draw(cairo_t* cr, std::string_view text, double x, double baselineY);
  size_t cachedWidthCount() const { return widths_.size(); }

 private:
  PangoFontDescription* description_ = nullptr;
  PangoLayout* layout_ = nullptr;
  PageFontMetrics metrics_;
  int baseline_ = 0;  // from the layout's top, pixels
  std::unordered_map<std::string, double> widths_;
};

}  // namespace tavra
