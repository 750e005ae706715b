#pragma once
// The sizes of a skinned window frame, from the system metrics and the form's settings: whether
// it has a border, the caption height, the frame thickness, which caption button set it uses,
// the icon and the menu bar line.
#include "base/Geometry.h"
#include "framework/core/Form.h"

namespace tavra {

// What of a form the frame sizes depend on.
struct FrameTraits {
  TFormBorderStyle borderStyle = TFormBorderStyle::bsSizeable;
  bool captionStyle = true;   // the window has the caption style bits
  bool minimized = false;
  bool showAppIcon = true;
  Size titleIcon;             // 0 × 0: the icon size follows the caption height
  bool mainMenu = false;      // a main menu with a visible item
  int menuLines = 1;          // the lines its bar takes in the window's width
};

struct FrameMetrics {
  bool hasBorder = false;
  int captionHeight = 0;
  int frameWidth = 0;
  int frameHeight = 0;
  bool largeSet = false;      // the large caption buttons (single and sizeable borders)
  bool iconShown = false;
  Size iconSize;
  int menuLineHeight = 0;
  int menuLines = 0;          // lines of the menu bar, each menuLineHeight high
};

FrameMetrics computeFrameMetrics(const FrameTraits& traits);
// The icon size for a caption height c: 0 below 9, 8 up to 16, 16 up to 27, else 32.
int iconSizeForCaption(int captionHeight);
// The traits of a form as it is now.
FrameTraits frameTraitsOf(const TCustomForm& form, bool showAppIcon);

}  // namespace tavra
