#pragma once
// Classic 3-D drawing of the unskinned controls: bevels, button faces, focus rectangles.
#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Canvas.h"

namespace tavra {

// Draws `width` rings of a frame (top-left in one colour, bottom-right in the other) and shrinks
// `r` by them.
void Frame3D(Canvas& canvas, Rect& r, Color topColor, Color bottomColor, int width);

enum class ButtonLook { Raised, Pressed, Flat };
// A push button's face: two-ring raised or sunken edge filled with the button face colour.
void DrawButtonFace(Canvas& canvas, const Rect& r, ButtonLook look, bool isDefault);
// A dotted rectangle, every other pixel.
void DrawFocusRect(Canvas& canvas, const Rect& r);
// Text drawn disabled: white copy one pixel down-right, grey on top.
void DrawDisabledText(Canvas& canvas, const std::string& text, Rect r, unsigned flags);

}  // namespace tavra
