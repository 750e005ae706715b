#pragma once
// Finds the texts on two pictures of the same screen, painted in a skin and in its twin whose
// text colours alone differ, and measures each text's ink against the pixels around it.
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra::test {

struct ScreenText {
  Rect bounds;     // the text's strokes, in screen pixels
  Color ink;       // the core of its strokes: the stroke pixel that stands out most
  Color behind;    // the ground: the pixel of middle lightness around the strokes, where no text is drawn
  double contrast;
};

// The texts of `skin`: pixels that differ from `twin` are ink; strokes closer than three pixels
// make one text. Pixels that differ between `skin` and `again` (the same skin a moment later:
// a caret, an animation) are not measured, nor texts that touch them.
std::vector<ScreenText> screenTexts(const Bitmap& skin, const Bitmap& again, const Bitmap& twin);

}  // namespace tavra::test
