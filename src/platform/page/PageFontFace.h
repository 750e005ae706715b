#pragma once
// One font of the page viewer: a family at a pixel size, weight, slant and decoration, with its
// metrics and the widths of the texts measured in it. Pages share faces (PageFontCache), so a
// word measured on one page is not measured again on the next.
#include <cairo.h>
#include <pango/pango.h>

#include <functional>
#include <memory>
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
  // Texts kept shaped for drawing at most (a shaped text takes about a kilobyte); a face that
  // drew more starts afresh.
  static constexpr size_t kMaxShapedTexts = 2048;

  // `family` is a pango family list; `decoration` holds the underline, line-through and
  // overline bits (1, 2, 4).
  PageFontFace(PangoContext* context, const std::string& family, int sizePx, int weight, bool italic, unsigned decoration);
  ~PageFontFace();
  PageFontFace(const PageFontFace&) = delete;
  PageFontFace& operator=(const PageFontFace&) = delete;

  const PageFontMetrics& metrics() const { return metrics_; }
  // The advance width of a text in pixels, fractional.
  double width(std::string_view text);
  // Draws text with its baseline at y. The text is shaped once and kept for the next draws:
  // pages draw the same words again whenever they scroll or are opened again.
  void draw(cairo_t* cr, std::string_view text, double x, double baselineY);
  size_t cachedWidthCount() const { return widths_.size(); }

 private:
  struct LayoutUnref {
    void operator()(PangoLayout* layout) const { g_object_unref(layout); }
  };
  using LayoutPtr = std::unique_ptr<PangoLayout, LayoutUnref>;
  // A layout in this face (font and decoration), with no text yet.
  LayoutPtr newLayout() const;

  PangoContext* context_ = nullptr;  // held by the layouts
  PangoFontDescription* description_ = nullptr;
  unsigned decoration_ = 0;
  // Looks texts up by string_view, with no copy of the text.
  struct TextHash {
    using is_transparent = void;
    size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };
  template <typename T>
  using ByText = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

  LayoutPtr layout_;  // measures
  ByText<LayoutPtr> shaped_;  // texts drawn
  PageFontMetrics metrics_;
  int baseline_ = 0;  // from the layout's top, pixels
  ByText<double> widths_;
};

}  // namespace tavra
