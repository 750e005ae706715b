#pragma once
// Text measuring and layout with pango, shared by every canvas on the GUI thread: one pango
// context with fixed font options (grey antialiasing, hinted metrics so that widths are whole
// pixels and stable), one reusable layout, and a cache of font descriptions and metrics per font.
#include <pango/pangocairo.h>

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "gfx/Canvas.h"
#include "gfx/Font.h"

namespace tavra {

// A byte range of layout text [begin, end) drawn underlined (the prefix character).
struct ByteRange {
  int begin = 0;
  int end = 0;
};

enum class TextDirection { Auto, RightToLeft };

struct LayoutRequest {
  std::string_view text;
  std::span<const ByteRange> underlines = {};
  int tabWidth = 0;  // pixels between tab stops; 0 leaves pango's default
  TextDirection direction = TextDirection::Auto;
};

// One cluster of a laid-out line in logical order: its first byte and its advance (pango units).
struct Cluster {
  int byteIndex = 0;
  int advance = 0;
};

// The text itself when it is valid UTF-8 without NUL characters; otherwise a copy in `storage`
// with invalid sequences replaced by U+FFFD and NULs left out. Pango's byte indices then agree
// with ours.
std::string_view validUtf8(std::string_view text, std::string& storage);

class TextEngine {
 public:
  static TextEngine& instance();

  const TextMetrics& metrics(const Font& font);
  // Lays the text out as one line (line breaks are shown as glyphs) and returns the shared
  // layout, valid until the next call.
  PangoLayout* layout(const Font& font, const LayoutRequest& request);
  // Logical width in whole pixels of what `layout` last laid out.
  static int pixelWidth(PangoLayout* layout);
  // The clusters of the last layout, sorted by byte index.
  static std::vector<Cluster> clusters(PangoLayout* layout);

 private:
  TextEngine();
  struct FontEntry {
    std::unique_ptr<PangoFontDescription, void (*)(PangoFontDescription*)> description{nullptr, pango_font_description_free};
    TextMetrics metrics;
  };
  FontEntry& entry(const Font& font);

  std::unique_ptr<PangoContext, void (*)(gpointer)> context_{nullptr, g_object_unref};
  std::unique_ptr<PangoLayout, void (*)(gpointer)> layout_{nullptr, g_object_unref};
  TextDirection direction_ = TextDirection::Auto;
  // What the layout holds now: asking for the same again costs nothing (a label is measured and
  // then drawn with the same request).
  struct LastRequest {
    const FontEntry* font = nullptr;
    unsigned decoration = 0;
    std::string text;
    std::vector<std::pair<int, int>> underlines;
    int tabWidth = -1;
    bool matches(const FontEntry* f, unsigned d, const LayoutRequest& r) const;
  };
  LastRequest last_;
  std::map<std::tuple<std::string, int, unsigned>, FontEntry> fonts_;
};

}  // namespace tavra
