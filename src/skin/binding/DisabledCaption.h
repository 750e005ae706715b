#pragma once
// The caption of a disabled button. The skin's disabled text colour (the font colour 40 % over
// the skin's window colour) suits text on the window; on a strongly coloured face, faded into its
// parent by the disabled effect, it can all but vanish. A disabled button therefore writes its
// caption after the effect, in an ink worked out against the face it ends up on: the disabled
// text colour where that reads, else the font colour faded towards the face only as far as the
// caption stays legible.
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"

namespace tavra {

class TsCommonData;

// The least contrast a disabled caption's ink keeps with its face (a little above the 3 that large
// text needs, for the antialiased edges of small text and the shading of the face).
inline constexpr double kDisabledCaptionContrast = 3.5;
// The ink of disabled text on `face`: `disabled` (the skin's disabled text colour) when it keeps
// kDisabledCaptionContrast, else `font` mixed with the face as far as that contrast allows, else
// black or white, whichever stands out more.
Color DisabledCaptionInk(Color font, Color disabled, Color face);

struct DisabledCaption {
  std::string text;
  Font font;
  Color fontColor = clBlack;    // the section's text colour
  Color windowColor = clWhite;  // the skin's global colour
  unsigned format = 0;
  Rect rect;
};

// The caption of a disabled control bound to `binding`: its owner's font, and its section's text
// colour (hot: the hot one).
DisabledCaption disabledCaptionOf(const TsCommonData& binding, std::string text, bool hot, unsigned format, const Rect& r);

// Writes the caption into a button's composed (and already disabled) picture; `grey` turns the
// ink grey, as the greyed effect did to the rest of the button.
void WriteDisabledCaption(Bitmap& picture, const DisabledCaption& caption, bool grey);

}  // namespace tavra
