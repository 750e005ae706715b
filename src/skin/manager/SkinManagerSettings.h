#pragma once
// The skin manager's published settings that are plain values: which foreign windows the window
// adapters may skin, the menu options, and the animation options. They are read by the parts of
// the engine that skin menus, forms, dialogs and buttons.
#include <string>

#include "gfx/Font.h"

namespace tavra {

enum TacSkinningRule : unsigned {
  srStdForms = 0x1,
  srStdDialogs = 0x2,
  srThirdParty = 0x4,
};
using TacSkinningRules = unsigned;
constexpr TacSkinningRules kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

struct TacMenuSupport {
  static constexpr const char* kDefaultIcoLineSkin = "ICOLINE";
  std::string IcoLineSkin = kDefaultIcoLineSkin;  // section of the menus' icon column
  bool UseExtraLine = false;
  int ExtraLineWidth = 32;
  Font ExtraLineFont;
};

enum TacBtnEvent : unsigned {
  beMouseEnter = 0x1,
  beMouseLeave = 0x2,
  beMouseDown = 0x4,
  beMouseUp = 0x8,
};
using TacBtnEvents = unsigned;

struct TacBtnEffects {
  TacBtnEvents Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
};

// One animated effect: whether it runs and for how many milliseconds.
struct TacAnimEffect {
  bool Active = true;
  int Time = 0;
};

struct TacAnimEffects {
  TacBtnEffects Buttons;
  TacAnimEffect DialogShow;
  TacAnimEffect FormShow;
  TacAnimEffect PageChange;
  TacAnimEffect SkinChanging{.Active = true, .Time = 100};
};

}  // namespace tavra
