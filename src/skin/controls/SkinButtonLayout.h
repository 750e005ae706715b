#pragma once
// Where a skinned button puts its glyph and caption: glyph left, right, above or below the
// caption, `margin` from the edge (−1 centres both), `spacing` between them; the caption wraps
// when asked and is aligned by the button's TextAlignment inside its box.
#include <string>

#include "base/Geometry.h"
#include "framework/controls/ButtonGlyph.h"
#include "framework/core/Control.h"
#include "gfx/Canvas.h"

namespace tavra {

struct SkinButtonContent {
  Size glyph;                 // 0 × 0 without a glyph
  std::string caption;        // empty when the caption is not shown
  TButtonLayout layout = TButtonLayout::blGlyphLeft;
  int margin = -1;
  int spacing = 4;
  bool wordWrap = false;
  TAlignment textAlignment = TAlignment::taCenter;
  int textOffset = 0;
  // Where glyph and caption go together when the margin is −1 (left and right keep kEdge free).
  TAlignment alignment = TAlignment::taCenter;
  static constexpr int kEdge = 4;
};

struct SkinButtonPlacement {
  Point glyph;          // top-left of the glyph
  Rect text;            // the caption's box
  unsigned textFormat;  // DrawText flags for the caption in that box
};

// The canvas' font measures the caption.
SkinButtonPlacement placeButtonContent(Canvas& canvas, const Rect& client, const SkinButtonContent& content);

}  // namespace tavra
