#pragma once
// Where a hint window goes: the corner given by the mouse position lies at the anchor, and a
// hint that would leave the desktop opens on the other side of the anchor instead.
#include "base/Geometry.h"
#include "skin/hints/HintTypes.h"

namespace tavra {

struct HintPlacement {
  Rect bounds;
  TsMousePosition corner = mpLeftTop;
};

// Tests in order, each on the rectangle as the last left it: below the desktop's bottom, it goes
// above the anchor; above its top, below; past its right, left of the anchor; past its left,
// right. When one fired, the corner says where the anchor now lies.
HintPlacement PlaceHint(Point anchor, Size size, TsMousePosition corner, Size desktop);

}  // namespace tavra
