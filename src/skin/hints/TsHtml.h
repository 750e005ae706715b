#pragma once
// The small HTML subset of hint texts: <B>, <I>, <BR>, <P>, <FONT SIZE= COLOR= FACE=> and their
// closing tags; "<<" is a literal "<"; any other tag is dropped. Runs of text go one after
// another from the rectangle's top-left without wrapping; a new line moves down by the line's
// height (the tallest "X" of its fonts) + 2.
#include <string_view>

#include "base/Geometry.h"
#include "gfx/Canvas.h"

namespace tavra {

class TsHtml {
 public:
  enum class Mode { Measure, Draw };
  // Nested FONT tags deeper than this are not saved (their closing tags then close the outer ones).
  static constexpr int kMaxFontDepth = 64;
  static constexpr int kMaxFontPoints = 200;

  // Lays out (and in Draw mode draws) `text` on the canvas in its font and text colour, starting
  // at r's top-left; the canvas' font is as it was afterwards. Returns (0, 0, the widest line's
  // width, the height of all lines).
  static Rect render(Canvas& canvas, std::string_view text, const Rect& r, Mode mode);
};

}  // namespace tavra
