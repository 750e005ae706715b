#pragma once
// A framework scroll bar painted from the skin: the track (SCROLLBAR1V or SCROLLBAR1H), the two
// arrow buttons (SCROLLBTNTOP/BOTTOM or SCROLLBTNLEFT/RIGHT) with their glyphs, and the thumb
// (SCROLLSLIDERV or SCROLLSLIDERH) with its grip, each part pressed while it is held down. A part
// whose section the skin lacks keeps the framework's look.
#include "gfx/Canvas.h"

namespace tavra {

class ScrollBar;
class SkinModel;

// Paints `bar` onto a canvas in the bar's window coordinates (the whole window, frame included).
void PaintSkinScrollBar(Canvas& windowCanvas, const ScrollBar& bar, const SkinModel& model);
// Paints the square where a vertical and a horizontal bar meet as the vertical bar's track; false
// when the skin has no track section (the square keeps the framework's look).
bool PaintSkinScrollCorner(Canvas& windowCanvas, const Rect& corner, const SkinModel& model);

}  // namespace tavra
