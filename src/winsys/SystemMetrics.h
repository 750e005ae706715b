#pragma once
// The system metrics: one fixed table of the classic look at 96 dpi.
namespace tavra {

enum class Metric {
  CaptionHeight,       // includes its bottom line
  SmallCaptionHeight,  // tool windows
  MenuBarHeight,
  DialogFrame,         // single, dialog and tool-window borders
  SizingFrame,         // sizeable borders
  Border,
  Edge,
  VScrollWidth,
  HScrollHeight,
  IconSize,
  SmallIconSize,
  DoubleClickTime,     // milliseconds
  DoubleClickWidth,
  DoubleClickHeight,
  TimerResolution,     // shortest timer interval, milliseconds
  ScreenWidth,
  ScreenHeight,
  CaptionButtonWidth,
  CaptionButtonHeight,
};

int systemMetric(Metric m);

}  // namespace tavra
