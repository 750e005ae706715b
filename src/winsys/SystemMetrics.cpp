#include "winsys/SystemMetrics.h"

namespace tavra {

int systemMetric(Metric m) {
  switch (m) {
    case Metric::CaptionHeight: return 19;
    case Metric::SmallCaptionHeight: return 15;
    case Metric::MenuBarHeight: return 19;
    case Metric::DialogFrame: return 3;
    case Metric::SizingFrame: return 4;
    case Metric::Border: return 1;
    case Metric::Edge: return 2;
    case Metric::VScrollWidth: return 16;
    case Metric::HScrollHeight: return 16;
    case Metric::IconSize: return 32;
    case Metric::SmallIconSize: return 16;
    case Metric::DoubleClickTime: return 500;
    case Metric::DoubleClickWidth: return 4;
    case Metric::DoubleClickHeight: return 4;
    case Metric::TimerResolution: return 10;
    case Metric::ScreenWidth: return 1024;
    case Metric::ScreenHeight: return 768;
    case Metric::CaptionButtonWidth: return 16;
    case Metric::CaptionButtonHeight: return 14;
  }
  return 0;
}

}  // namespace tavra
