#pragma once
// The transparent pixels of a border mask's corners where it frames a w × h rectangle: every
// horizontal run of clFuchsia pixels in the top rows (WT) and bottom rows (WB) of its four corner
// pieces (WL and WR wide), placed at the rectangle's corners, one pixel high each. A popup
// window's shape leaves them out.
#include <vector>

#include "base/Geometry.h"
#include "skin/data/SkinModel.h"

namespace tavra {

std::vector<Rect> transparentCornerRuns(const SkinModel& model, int maskIndex, Size size);

}  // namespace tavra
