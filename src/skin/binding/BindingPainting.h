#pragma once
// The painting primitives that work through a control's skin binding: its section, textures and
// custom colour, its cache's transparent corners, its disabled look and its text.
#include <functional>
#include <string>

#include "base/Geometry.h"
#include "gfx/Canvas.h"
#include "gfx/ClippedRows.h"
#include "skin/data/TsGeneralData.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

class TsCommonData;
class TsSkinManager;
class TControl;

// The binding's section background (its textures; with CustomColor the owner's colour).
void PaintSectionBackground(const TsCommonData& binding, const TsCacheView& view, int state, const ClippedRows& target,
                            Point offset, const Rect& r);
// Background, border (not in state 0 when the mask's mode excludes it), then corner images.
void PaintSection(const TsCommonData& binding, const TsCacheView& view, CentreFill centre, int state,
                  const ClippedRows& target, Point offset, const Rect& r);

// The parent's background put back under the clFuchsia pixels of the border mask's corners in
// the binding's cache. `corners`: 1 top-left, 2 bottom-left, 4 top-right, 8 bottom-right.
void RefreshCorners(TsCommonData& binding, int state, unsigned corners = 15);

// How a disabled control looks: greyed, blended into its parent's background, or both.
enum DisabledKind : unsigned { dkGrayed = 1, dkBlended = 2 };
void ApplyDisabledEffect(Bitmap& bitmap, unsigned kinds, TControl* parent, Point offset, const TsCacheView& view);

// The contours of a text: each contour colour that is set (FontColor[1..4], left, top, right,
// bottom; kNoColor is none) draws the text once more, `drawShifted` one pixel out in its direction.
void DrawTextContours(Canvas& canvas, const FontColors& colors, const std::function<void(Point shift)>& drawShifted);

// Text in the binding's section colours: contours in the state's contour colours (those set),
// then the text in the state's font colour; disabled, once in the font colour 40 % over the
// skin's global colour. Without a section the text is drawn plainly.
void WriteSkinText(Canvas& canvas, const std::string& text, bool enabled, bool hot, const TsCommonData& binding,
                   unsigned format, const Rect& r);
// The same for a section index of a manager (null: the default manager), without a binding.
void WriteSectionText(Canvas& canvas, const std::string& text, bool enabled, TsSkinManager* manager, bool hot,
                      int sectionIndex, unsigned format, const Rect& r);

}  // namespace tavra
