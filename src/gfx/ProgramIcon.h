#pragma once
// The program's icon: an open textbook on a blue tile with a standing wave drawn across both
// pages and its envelope, the course's subject in one picture. One drawing serves the desktop
// icon files (tools/tavra-icon) and the caption of every window, so both show the same picture.
//
// The picture is designed in a 256-unit square. At a size in pixels the straight edges of the
// tile, the cover and the pages fall on whole pixels, mirrored about the middle, and lines keep
// a width that stays visible, so the small sizes of a caption (8, 16, 32) are crisp; below 24
// pixels the envelope and the page outlines, finer than a pixel there, are left out (the spine
// stays, one pixel wide).
#include <cairo.h>

#include "gfx/Bitmap.h"
#include "gfx/Icon.h"

namespace tavra {

// Draws the icon into the square (0, 0, size, size) of the context's user space.
void drawProgramIcon(cairo_t* cr, int size);
// The icon at size × size pixels: 32-bit, premultiplied, transparent around the tile.
Bitmap programIconPicture(int size);
// The icon as the application gives it to its windows.
Icon programIcon();

}  // namespace tavra
