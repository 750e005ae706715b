#include "skin/frames/FrameMetrics.h"

#include <algorithm>

#include "framework/menus/MenuBar.h"
#include "winsys/SystemMetrics.h"

namespace tavra {

int iconSizeForCaption(int c) {
  if (c < 9) return 0;
  if (c <= 16) return 8;
  if (c <= 27) return 16;
  return 32;
}

FrameMetrics computeFrameMetrics(const FrameTraits& t) {
  using B = TFormBorderStyle;
  FrameMetrics m;
  m.hasBorder = t.borderStyle != B::bsNone;
  const bool tool = t.borderStyle == B::bsToolWindow || t.borderStyle == B::bsSizeToolWin;
  if ((m.hasBorder && t.captionStyle) || t.minimized) {
    m.captionHeight = systemMetric(tool ? Metric::SmallCaptionHeight : Metric::CaptionHeight);
  }
  if (m.hasBorder) {
    const bool thin = t.borderStyle == B::bsSingle || t.borderStyle == B::bsDialog || tool;
    m.frameWidth = systemMetric(thin ? Metric::DialogFrame : Metric::SizingFrame);
  }
  m.frameHeight = m.frameWidth;
  m.largeSet = t.borderStyle == B::bsSingle || t.borderStyle == B::bsSizeable;
  m.iconShown = m.largeSet && t.showAppIcon;
  if (t.titleIcon.width > 0 && t.titleIcon.height > 0) {
    m.iconSize = t.titleIcon;
  } else {
    const int s = iconSizeForCaption(m.captionHeight);
    m.iconSize = {s, s};
  }
  if (t.mainMenu) {
    m.menuLineHeight = systemMetric(Metric::MenuBarHeight) - 1;
    m.menuLines = std::max(t.menuLines, 1);
  }
  return m;
}

FrameTraits frameTraitsOf(const TCustomForm& form, bool showAppIcon) {
  FrameTraits t;
  t.borderStyle = form.borderStyle();
  const Window* w = form.window();
  t.captionStyle = w ? (w->style() & WS_CAPTION) == WS_CAPTION : form.borderStyle() != TFormBorderStyle::bsNone;
  t.minimized = w && w->isMinimized();
  t.showAppIcon = showAppIcon;
  t.menuLines = const_cast<TCustomForm&>(form).menuBar().lineCount();
  t.mainMenu = t.menuLines > 0;
  return t;
}

}  // namespace tavra
