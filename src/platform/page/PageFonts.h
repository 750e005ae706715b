#pragma once
// The fonts of one page: CSS font requests mapped to installed families through the program's
// font table, measured and drawn with pango. The faces themselves are shared by all pages
// (PageFontCache); a page holds handles to them and the rounding of its own layout.
#include <cairo.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/page/PageFontFace.h"

namespace tavra {

class PageFonts {
 public:
  // Font sizes are limited to this many pixels (a page may ask for anything).
  static constexpr int kMaxFontSize = 2000;

  PageFonts() = default;
  PageFonts(const PageFonts&) = delete;
  PageFonts& operator=(const PageFonts&) = delete;

  // The installed family for a CSS family list ("'Times New Roman', serif").
  static std::string familyFor(std::string_view cssFamilies);
  // The face of the font table that stands for a CSS family list.
  static std::string faceFor(std::string_view cssFamilies);

  // A font handle (never 0) for a CSS request; `decoration` holds litehtml's decoration bits.
  std::uintptr_t create(std::string_view cssFamilies, int sizePx, int weight, bool italic, unsigned decoration);
  void release(std::uintptr_t font);
  PageFontMetrics metrics(std::uintptr_t font) const;

  // The width of a text on its own, rounded to whole pixels.
  int textWidth(std::uintptr_t font, std::string_view text);
  // The width of the next piece of a page's text for the layout engine, which measures a page a
  // word and a space at a time in reading order and places pieces at whole pixels. Rounding
  // each piece alone would lose a quarter of a pixel on every space of a line and let lines
  // hold more than they do in a browser; instead the fractions are carried from piece to piece,
  // so that a run of pieces is as wide as its fractional width, to within a pixel.
  int layoutTextWidth(std::uintptr_t font, std::string_view text);
  // Draws text with its top-left at (x, y) of the line box whose bottom is `bottom`; the
  // baseline sits `descent` above the bottom.
  void drawText(cairo_t* cr, std::uintptr_t font, std::string_view text, double r, double g, double b, double a, int x,
                int bottom);

  // The widths kept by the faces this page uses.
  size_t cachedWidthCount() const;

 private:
  PageFontFace* get(std::uintptr_t font) const;

  std::vector<std::shared_ptr<PageFontFace>> fonts_;  // handle = index + 1; released slots are null
  double laidOutExact_ = 0;     // the fractional widths given to the layout so far
  long long laidOutWhole_ = 0;  // the same, as the whole pixels handed out
};

}  // namespace tavra
