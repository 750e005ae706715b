#pragma once
// The frame of a skinned windowed control (its border band, outside the client area) painted
// from a picture of the whole window, such as the control's composed cache.
#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

class TWinControl;

// Where the control's client area starts in its window: the widths of its frame's left and top.
Point ClientOffsetIn(const TWinControl& control);
// Copies the part of `picture` (the window's size) outside the client area onto the window's
// frame; nothing without a window or frame.
void PaintFrameBand(TWinControl& control, const Bitmap& picture);

}  // namespace tavra
