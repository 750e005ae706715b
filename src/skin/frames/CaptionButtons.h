#pragma once
// The caption buttons of a skinned frame: which exist, which picture each shows, where they lie
// and the band in which they answer the mouse. One layout serves painting and hit testing.
//
//   |<- frame ->|  icon  text ...          [help][min][max][close] BIRIGHT |<- frame ->|
//   buttons are placed from the right, BISPACE apart (large set), close first.
#include <array>
#include <string_view>

#include "base/Geometry.h"

namespace tavra {

class SkinModel;

enum CaptionButtonIndex : int { cbClose = 0, cbMax = 1, cbMin = 2, cbHelp = 3 };
constexpr int kCaptionButtonCount = 4;
// The hot-item codes of the buttons (the hit-test codes).
constexpr int kHotMin = 8;
constexpr int kHotMax = 9;
constexpr int kHotClose = 20;
constexpr int kHotHelp = 21;

struct CaptionButton {
  bool exists = false;
  bool enabled = true;
  int State = 0;        // 0 normal, 1 hot, 2 pressed
  int MaskIndex = -1;   // its picture in GLOBALINFO, -1 none
  Rect rect;            // window coordinates
  bool LargeSet = false;
};

// What the buttons of a window depend on.
struct CaptionButtonTraits {
  bool hadSystemMenu = false;
  bool largeSet = false;
  bool minimized = false;
  bool maximized = false;
  bool iconMinimize = false;  // BorderIcons
  bool iconMaximize = false;
  bool iconHelp = false;
};

struct CaptionLayout {
  int windowWidth = 0;
  int frameWidth = 0;
  int frameHeight = 0;
  int captionHeight = 0;
  bool largeSet = false;
  bool maximized = false;
  int biSpace = 0;
  int biRight = 0;
  int biVAlign = 0;
};

class CaptionButtonSet {
 public:
  static constexpr int kDefaultSize = 21;  // a button without a picture

  std::array<CaptionButton, kCaptionButtonCount> buttons;

  // Which buttons exist and may be pressed.
  void decide(const CaptionButtonTraits& traits);
  // Looks the pictures up in the skin's GLOBALINFO (the large or small set; the large set for all
  // when the small set has no close picture). A minimised window's minimise button shows the
  // restore picture, BICONNORM of GLOBALINFO or else of the form's section `formSection`.
  void findPictures(const SkinModel& model, bool largeSet, const CaptionButtonTraits& traits, int formSection = -1);
  // Places the existing buttons; returns the total width they take with their gaps.
  int layout(const SkinModel* model, const CaptionLayout& l);
  // The button height (from the close button's picture) and a button's width.
  int buttonHeight(const SkinModel* model) const;
  int buttonWidth(const SkinModel* model, int index) const;
  // The vertical band where buttons answer the mouse (bounds included).
  static std::pair<int, int> hitBand(const CaptionLayout& l, int buttonHeight);
  // The existing button whose rectangle holds x (window coordinates), or -1.
  int buttonAtX(int x) const;
  int totalWidth() const { return totalWidth_; }

  static int hotCodeOf(int index);
  static int indexOfHotCode(int code);
  // The GLOBALINFO key of a button's picture in a set ("BICONCLOSE", "SICONMIN" …).
  static std::string_view pictureKey(int index, bool largeSet);

 private:
  int totalWidth_ = 0;
};

}  // namespace tavra
