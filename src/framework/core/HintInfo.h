#pragma once
// What the application decides about a hint before it is shown: the control, where the window
// goes, how wide it may be, its colour, how long it stays and the text. The control (through
// CM_HINTSHOW) and the application's OnShowHint handler may change any of it.
#include <functional>
#include <string>

#include "base/Color.h"
#include "base/Geometry.h"

namespace tavra {

class TControl;

struct THintInfo {
  TControl* HintControl = nullptr;
  Point HintPos;          // screen position of the hint window's top-left
  int HintMaxWidth = 0;   // wrapping width of the text
  Color HintColor = 0;
  Rect CursorRect;        // the control's area (client coordinates) the hint belongs to
  Point CursorPos;        // the pointer in the control's client coordinates
  int ReshowTimeout = 0;
  int HideTimeout = 0;    // milliseconds until the hint goes; 0 keeps it
  std::string HintStr;
  void* HintData = nullptr;
};

using TShowHintEvent = std::function<void(std::string& hintStr, bool& canShow, THintInfo& hintInfo)>;

// The part of a hint before "|" (the rest is the long hint of status lines).
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

}  // namespace tavra
