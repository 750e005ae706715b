#pragma once
// The background and the whole look of a skin section in a state: colour, gradient and texture
// over the parent's background by the section's transparency, then the corner images and the
// border mask.
#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/ClippedRows.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

// What a section shows in a state: state 0 takes the normal values, any other the hot ones.
struct SectionLook {
  Color color = 0;
  int transparency = 0;
  int imagePercent = 0;
  int gradientPercent = 0;
  const TsGradArray* gradient = nullptr;
  int texture = -1;                  // a texture mask of MaskType 0, or -1
  int maskedTexture = -1;            // an alpha-mask texture, or -1
  const Bitmap* picture = nullptr;   // a pattern's picture, when no texture mask is found
};
// `texture` and `hotTexture` are the caller's indices (-1: look them up by "PATTERN" and
// "HOTPATTERN"); a custom colour other than clFuchsia makes the look a plain fill of it.
SectionLook sectionLook(const SkinModel& model, int sectionIndex, int state, Color customColor, int texture, int hotTexture);

// Fills `r` of the target with the section's background in `state`. `offset` is where r's
// coordinate origin lies in the parent's coordinates (the view is the parent's background).
void PaintSectionBackground(const SkinModel& model, int sectionIndex, const TsCacheView& view, Color customColor,
                            int hotTexture, int texture, const ClippedRows& target, Point offset, const Rect& r, int state);

// Background, then the corner images, then the border mask, for a rectangle inside the target.
void PaintSection(const SkinModel& model, int sectionIndex, const TsCacheView& view, int texture, int hotTexture,
                  const ClippedRows& target, Point offset, const Rect& r, int state, CentreFill centre);

// The four corner images of a section (IMGTOPLEFT …) drawn opaque at r's corners in `state`,
// transparent pixels showing the target itself as it was.
void DrawSectionCorners(const SkinModel& model, int sectionIndex, const ClippedRows& target, const Rect& r, int state);

// The target's rows as a view of themselves (for corner images over what was just composed).
TsCacheView viewOfTarget(const ClippedRows& target);

}  // namespace tavra
