#pragma once
// How a skinned control learns what lies behind it: it asks its parent with SKC_GETBG, and the
// parent answers with its cache (bitmap and offset) or a colour; a parent that does not answer
// paints itself into the requester's canvas (PaintInto) or gives its colour.
#include "framework/core/WinControl.h"
#include "skin/binding/TsBackgroundInfo.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

// Asks `parent` for the background. True when the parent answered (info.Kind set); false when the
// background came from the parent's own painting or colour.
bool GetParentBackground(TsBackgroundInfo& info, TWinControl& parent, bool paintInto);
// The same for a window; a window that does not answer gives the skin's global colour (the
// system's button face without a manager).
bool GetParentBackground(TsBackgroundInfo& info, Window& parent, bool paintInto);
// An answer as the painters' view: a bitmap answer is ready, any other gives its colour.
TsCacheView BackgroundToView(const TsBackgroundInfo& info);

// The background of a control's parent as a view positioned at the control's top-left; an empty
// colour view (clFuchsia) without a parent.
TsCacheView ParentViewOf(TControl& control);

}  // namespace tavra
