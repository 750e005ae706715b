#pragma once
// The ready-made hint looks: each entry of the table sets the listed HintKind values, a one-pixel
// Bevel, the shadow on and the system's hint font in black and plain, and finally the style.
// `shStandard` and `shNone` only set the style; `shCustom` changes nothing.
#include "skin/hints/HintTypes.h"

namespace tavra {

class TsHintKind;

void ApplyHintPredefinition(TsHintKind& kind, TsHintsPredefinitions entry);

}  // namespace tavra
