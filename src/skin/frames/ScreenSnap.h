#pragma once
// Screen snap: a window rectangle whose edges come nearer than `buffer` pixels to the work
// area's edges is moved flush with them (right, bottom, left, top in that order).
#include "base/Geometry.h"

namespace tavra {

Rect snapToWorkArea(const Rect& window, const Rect& workArea, int buffer);

}  // namespace tavra
