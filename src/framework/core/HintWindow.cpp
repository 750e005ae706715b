#include "framework/core/HintWindow.h"

#include <algorithm>

#include "framework/core/HintInfo.h"

namespace tavra {

std::string GetShortHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint) {
  auto bar = hint.find('|');
  return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
  setVisibleQuiet(false);
  controlStyle_ |= csOpaque;
  setColor(clInfoBk);
  setFont(systemFont());
}

void THintWindow::CreateParams(WindowParams& p) {
  TCustomControl::CreateParams(p);
  p.className = ClassName();
  p.style = WS_POPUP | WS_BORDER;
  p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT;
}

Rect THintWindow::CalcHintRect(int maxWidth, const std::string& hint, void* data) {
  (void)data;
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font());
  Rect r{0, 0, std::max(maxWidth, 1), 0};
  c.drawText(hint, r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  // Two pixels of margin on each side and a one-pixel frame.
  r.right += 6;
  r.bottom += 2;
  return r;
}

void THintWindow::ActivateHint(Rect rect, const std::string& hint) {
  setCaption(hint);
  rect.bottom += 4;
  Size desktop = WindowSystem::instance().desktopSize();
  if (rect.right > desktop.width) rect = rect.offsetBy(desktop.width - rect.right, 0);
  if (rect.left < 0) rect = rect.offsetBy(-rect.left, 0);
  if (rect.bottom > desktop.height) rect = rect.offsetBy(0, desktop.height - rect.bottom);
  if (rect.top < 0) rect = rect.offsetBy(0, -rect.top);
  Window& w = handle();
  setBoundsRect(rect);
  if (!visible()) setVisible(true);
  w.bringToFront();
  Invalidate();
}

void THintWindow::ActivateHintData(Rect rect, const std::string& hint, void* data) {
  (void)data;
  ActivateHint(rect, hint);
}

void THintWindow::ReleaseHandle() { setVisible(false); }

bool THintWindow::shownNow() const { return visible() && window() && window()->isVisible(); }

void THintWindow::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  c.fillRect(r, color());
  r = {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
  c.setBackgroundMode(BackgroundMode::Transparent);
  c.setTextColor(systemColor(SysColor::InfoText));
  c.drawText(caption(), r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

}  // namespace tavra
