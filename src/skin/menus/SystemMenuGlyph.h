#pragma once
// The glyphs of the skinned system menu's standard commands: the caption-button symbols of the
// symbol face ("0" minimise, "1" maximise, "r" close, "2" restore), drawn as shapes in a square.
#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/ClippedRows.h"

#include <string_view>

namespace tavra {

// The name of the system menu's popup menu: the menu skinner draws these glyphs only in it.
inline constexpr std::string_view kSystemMenuName = "SysMenu";

// The symbol character of a command tag (61472, 61488, 61536, 61728), or 0 for any other.
char systemMenuGlyphChar(int tag);
// Draws the symbol of `glyph` ('0', '1', 'r', '2') centred in `box`.
void drawSystemMenuGlyph(const ClippedRows& target, const Rect& box, char glyph, Color color);

}  // namespace tavra
