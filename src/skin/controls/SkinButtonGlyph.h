#pragma once
// The glyph of a skinned button drawn into its composed cache: a 32-bit picture alpha-composited
// (with its fading reflection when asked), any other picture or frame of a strip through its
// transparent colour, or an image of an image list; made transparent while the button is not hot
// (`Blend`), grey (`Grayed`, image lists) and disabled-looking by `DisabledGlyphKind`.
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/ClippedRows.h"

namespace tavra {

class TImageList;

// How a disabled glyph looks.
enum TacDisabledGlyphKind : unsigned { dgGrayed = 1, dgBlended = 2 };

struct SkinGlyph {
  const Bitmap* glyph = nullptr;     // the button's Glyph (32-bit ones hold premultiplied alpha)
  int numGlyphs = 1;                 // pictures side by side in `glyph`
  const TImageList* images = nullptr;
  int imageIndex = -1;
  bool enabled = true;
  bool hot = false;
  int blend = 0;                     // percent of transparency while not hot
  bool grayed = false;               // an image-list glyph is grey while not hot
  bool reflected = false;            // a 32-bit glyph gets a fading reflection below it
  unsigned disabledKind = dgBlended; // TacDisabledGlyphKind bits

  // Whether there is anything to draw, and its size (one picture of the strip).
  bool present() const;
  Size size() const;
};

// The picture of a strip of `numGlyphs` a button shows: 1 when disabled, 4 while hot when there
// are at least 5, otherwise 0.
int glyphFrameIndex(int numGlyphs, bool enabled, bool hot);

// Draws the glyph with its top-left at `at`; what falls outside the target is clipped.
void DrawSkinGlyph(const ClippedRows& target, Point at, const SkinGlyph& glyph);

}  // namespace tavra
