#pragma once
// Hints drawn from a skin section: the section's background and border mask as the body, the
// shape the section leaves (white outside, black inside), and the widths of the border's sides.
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/data/SkinModel.h"

namespace tavra {

struct HintSkinIndices {
  int section = -1;
  int borderMask = -1;
  int pattern = -1;
};

// The width of a side of the border mask (0 left, 1 top, 2 right, 3 bottom): its BorderWidth
// when above 0, else the side's own width when above 0, else a third of a frame's width (left,
// right) or of a frame's height (top, bottom); 0 without a mask.
int HintSkinBorderWidth(const SkinModel& model, int borderMaskIndex, int side);

// The shape of the section painted over `size` on a parent of the outside marker colour: white
// where the marker shows through (a transparent section) or where a border corner is
// transparent, black elsewhere. All black without the section.
Bitmap HintSkinMask(const SkinModel& model, const HintSkinIndices& indices, Size size);

// The section's background in state 0 (the pattern as both textures) and its border mask with the
// centre over the whole body; the parent's pixels are the captured screen, when there is one.
void PaintHintSkinBody(Bitmap& body, const SkinModel& model, const HintSkinIndices& indices, const Bitmap* capture);

}  // namespace tavra
