#pragma once
// Nine-part border masks and single mask images. A border mask frame is cut into four corners,
// four sides and a centre by its border widths WL, WT, WR, WB:
//
//   +----+---------+----+
//   | TL |   top   | TR |   corners are drawn once, at the rectangle's corners
//   +----+---------+----+
//   |left| centre  |right|  sides and centre are tiled (or stretched, StretchMode bit 0)
//   +----+---------+----+
//   | BL | bottom  | BR |
//   +----+---------+----+
//
// StretchMode bits of a border: 0 stretch the sides and centre, 1 draw nothing in state 0, 2 the
// centre may be drawn. Alpha masks (MaskType not 0) combine each pixel through the opacity rows.
#include "base/Geometry.h"
#include "gfx/ClippedRows.h"
#include "gfx/Region.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

enum class CentreFill { No, Yes };
enum class CornersFromParent { No, Yes };

// The nine-part border of `maskIndex` around `r` in `state`. Transparent corner pixels take the
// view's pixel when `corners` says so (and the view is ready).
void DrawBorderMask(const ClippedRows& target, const Rect& r, CentreFill centre, CornersFromParent corners, int state,
                    const SkinModel& model, int maskIndex, const TsCacheView& view);
// The same nine parts, stretching allowed for every mask type but 1, and every run of clFuchsia
// pixels of a drawn piece is cut out of `shape` (window coordinates of the rectangle's owner).
void DrawBorderMaskShaping(const ClippedRows& target, const Rect& r, CentreFill centre, int state, const SkinModel& model,
                           int maskIndex, Region& shape);

// One frame of an image mask with its top-left at `at`. Opaque: clFuchsia pixels take the view's
// pixel; not opaque: the image is blended half over what lies there. Alpha masks combine through
// their opacity rows.
enum class MaskOpacity { Blended, Opaque };
void DrawMaskImage(const ClippedRows& target, Point at, int state, const TsCacheView& view, const SkinModel& model,
                   int maskIndex, MaskOpacity opacity);

// The border widths that fit a rectangle w × h: when the sum of two opposite widths exceeds the
// size, both lose half the excess and the second (right or bottom) one pixel more when the size
// is odd. No width is below 0 or beyond the size.
BorderWidths fitBorderWidths(BorderWidths widths, int width, int height);
BorderWidths fitBorderWidths(const TsMaskData& mask, int width, int height);
// The widths DrawBorderMask cuts the mask's frame in `state` by around a w × h rectangle: those
// of the frame (see frameBorderWidths) fitted to the rectangle; none without a valid frame.
BorderWidths borderWidthsAround(const SkinModel& model, int maskIndex, int state, Size size);

}  // namespace tavra
