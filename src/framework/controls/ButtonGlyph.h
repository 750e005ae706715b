#pragma once
// The picture and caption of glyph buttons: where they go (glyph left, right, above or below
// the caption, with margin and spacing) and how the glyph is drawn in each state. A glyph bitmap
// holds NumGlyphs pictures side by side: up, disabled, down, exclusive. Its transparent colour
// is its bottom-left pixel (32-bit glyphs use their alpha instead).
#include <string>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace tavra {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

struct ButtonContentLayout {
  Point glyph;   // top-left of the glyph
  Rect text;     // the caption's box
};

class TButtonGlyph {
 public:
  // A strip holds at most this many pictures (skinned buttons show a fifth one while hot).
  static constexpr int kMaxGlyphs = 8;

  const Bitmap& glyph() const { return glyph_; }
  void setGlyph(Bitmap b);
  int numGlyphs() const { return numGlyphs_; }
  void setNumGlyphs(int n);
  bool empty() const { return glyph_.isEmpty(); }
  // The size of one picture of the strip.
  Size glyphSize() const;

  // Places glyph and caption inside `client`; margin −1 centres them, spacing is the gap.
  ButtonContentLayout layout(Canvas& canvas, const Rect& client, const std::string& caption, TButtonLayout layout,
                             int margin, int spacing) const;
  void drawGlyph(Canvas& canvas, Point at, TButtonState state) const;
  // Draws glyph and caption; returns where the caption went.
  Rect draw(Canvas& canvas, const Rect& client, Point offset, const std::string& caption, TButtonLayout layout, int margin,
            int spacing, TButtonState state, unsigned textFlags) const;

 private:
  Bitmap glyph_;
  int numGlyphs_ = 1;
};

}  // namespace tavra
