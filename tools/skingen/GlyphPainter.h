#pragma once
// Draws the skin's small pictures: caption buttons, check boxes and radio buttons, the menu
// check mark, the size grip, scroll arrows, slider grips and glow halos.
#include "MaskImage.h"
#include "SkinDescription.h"

namespace tavra::skingen {

enum class CaptionGlyph { Close, Maximize, Minimize, Restore, Help };
enum class BoxKind { Checked, Unchecked, Grayed, RadioChecked, RadioUnchecked, RadioGrayed, SmallChecked, SmallUnchecked, SmallGrayed };
enum class Arrow { Up, Down, Left, Right };

class GlyphPainter {
 public:
  explicit GlyphPainter(const SkinDescription& d) : d_(d) {}

  // Three frames: normal, hot, pressed. Large: 21 x 18 (19 x 19 round); small: 16 x 14.
  MaskImage captionButton(CaptionGlyph glyph, bool large) const;
  // Three frames: normal, hot, pressed.
  MaskImage box(BoxKind kind) const;
  // Two frames: normal, selected.
  MaskImage checkMark() const;
  MaskImage grip() const;
  // Three frames: normal, hot, pressed.
  MaskImage arrow(Arrow direction) const;
  MaskImage sliderGrip(bool vertical) const;
  // One frame: a soft halo, `size` square, borders of a third of it.
  MaskImage glow(int size, const Rgb& colour) const;

 private:
  void captionBackground(cairo_t* paint, cairo_t* shape, double w, double h, int state, CaptionGlyph glyph) const;
  void captionSymbol(cairo_t* paint, double w, double h, int state, CaptionGlyph glyph, bool large) const;

  const SkinDescription& d_;
};

}  // namespace tavra::skingen
