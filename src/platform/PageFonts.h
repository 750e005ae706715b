#pragma once
// The fonts of a page: CSS font requests mapped to installed families through the program's
// font table, measured and drawn with pango. Word widths are cached per font, since the layout
// engine measures a page one word at a time and words repeat.
#include <cairo.h>
#include <pango/pango.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tavra {

struct PageFontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int xHeight = 0;
};

class PageFonts {
 public:
  // Font sizes are limited to this many pixels (a page may ask for anything).
  static constexpr int kMaxFontSize = 2000;

  PageFonts();
  ~PageFonts();
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

  size_t cachedWidthCount() const;

 private:
  struct Font;
  Font* get(std::uintptr_t font) const;

  double exactWidth(Font& font, std::string_view text);

  PangoContext* context_ = nullptr;
  double laidOutExact_ = 0;   // the fractional widths given to the layout so far
  long long laidOutWhole_ = 0;  // the same, as the whole pixels handed out
  std::vector<std::unique_ptr<Font>> fonts_;  // handle = index + 1; released slots are null
};

}  // namespace tavra
