#pragma once
// Text turned a quarter to the left, reading upwards, as the menus' extra line shows its caption.
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"

namespace tavra {

// Writes `text` into `target` reading upwards; `start` is the bottom-left of the text (the end of
// its first character's left edge). What lies outside the target is left out.
void drawTextUpwards(Bitmap& target, const std::string& text, Point start, const Font& font, Color color);

}  // namespace tavra
