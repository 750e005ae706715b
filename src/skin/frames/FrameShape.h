#pragma once
// The shape of a skinned window: the window rectangle minus the pixels that the skin's frame
// masks mark transparent (exactly clFuchsia) in their corners. Scanned from the first frame:
//
//   FORM border mask             caption border mask
//   top WT rows, bottom WB rows  top WT rows
//   columns [0, WL) and the last WR columns; runs found on the right are moved to the window's
//   right edge, the bottom rows to its bottom edge.
#include <optional>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Region.h"

namespace tavra {

class SkinModel;

// The rectangles cut from a W × H window (one pixel high runs), window coordinates.
std::vector<Rect> frameCutRects(const SkinModel& model, int formBorderMask, int captionBorderMask, Size window);
// The window's region: its rectangle minus the cut rectangles (none: no region needed).
std::optional<Region> frameRegion(const std::vector<Rect>& cuts, Size window);

}  // namespace tavra
