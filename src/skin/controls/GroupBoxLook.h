#pragma once
// The skinned look of a group box (and of a radio group, which is one): a caption band that
// shows the parent's background, the section's frame from half the caption's height down, the
// caption's own section behind the caption text, and the text in the section's colours.
#include <string>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Font.h"

namespace tavra {

class TsCommonData;

enum class TsCaptionLayout { clTopLeft, clTopCenter, clTopRight };

class GroupBoxLook {
 public:
  TsCaptionLayout layout = TsCaptionLayout::clTopLeft;
  int yOffset = 0;
  std::string captionSkin;  // the section behind the caption; empty: CHECKBOX or the parent colour

  // The caption's rectangle in a box `width` wide for a text of `text` size (its height at least
  // that of "W"): 6 from the left (from the right when right-to-left and clTopRight), centred, or
  // 14 from the right; 8 wider than the text, never outside the box.
  static Rect captionRect(int width, Size text, TsCaptionLayout layout, int yOffset, bool rightToLeft = false);

  // The caption rectangle for a caption in `font`.
  Rect captionRectFor(int width, const std::string& caption, const Font& font) const;

  // Composes the bound control's cache: caption band, frame, caption background and text.
  // `captionHot`: the caption's section in its hot state (the box has the focus).
  void compose(TsCommonData& binding, const std::string& caption, const Font& font, bool captionHot) const;
};

}  // namespace tavra
