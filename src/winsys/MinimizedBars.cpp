#include "winsys/MinimizedBars.h"

#include <algorithm>

#include "winsys/ClassicFrame.h"
#include "winsys/SystemMetrics.h"
#include "winsys/WindowSystem.h"

namespace tavra {

MinimizedBars::~MinimizedBars() {
  // Destroying a bar calls back into remove(); empty the list first.
  std::vector<Bar> bars = std::move(bars_);
  bars_.clear();
}

Rect MinimizedBars::slot(std::size_t index) const {
  // A frame and a caption and no client area: [caption text …][restore][□][×]
  int height = 2 * systemMetric(Metric::DialogFrame) + systemMetric(Metric::CaptionHeight);
  Size desktop = system_.desktopSize();
  int perRow = std::max(1, desktop.width / kBarWidth);
  int column = static_cast<int>(index) % perRow;
  int row = static_cast<int>(index) / perRow;
  return Rect::fromSize(column * kBarWidth, desktop.height - (row + 1) * height, kBarWidth, height);
}

void MinimizedBars::add(Window& minimized) {
  if (barOf(minimized.handle())) return;
  WindowHandle owner = minimized.handle();
  WindowParams p;
  p.className = kMinimizedBarClass;
  p.text = minimized.text();
  p.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_DLGFRAME | WS_MINIMIZEBOX | (minimized.style() & WS_MAXIMIZEBOX);
  // Clicking the bar restores its window; the bar itself never becomes the active window.
  p.exStyle = WS_EX_NOACTIVATE;
  p.bounds = slot(bars_.size());
  p.proc = [this, owner](Window& bar, MessageId msg, WParam wParam, LParam lParam) { return barProc(bar, owner, msg, wParam, lParam); };
  Bar bar{owner, system_.createWindow(p)};
  Window& shown = *bar.window;
  bars_.push_back(std::move(bar));
  shown.showNoActivate();
}

void MinimizedBars::remove(WindowHandle minimized) {
  auto it = std::find_if(bars_.begin(), bars_.end(), [&](const Bar& b) { return b.owner == minimized; });
  if (it == bars_.end()) return;
  std::unique_ptr<Window> gone = std::move(it->window);
  bars_.erase(it);
  gone.reset();
  layout();
}

Window* MinimizedBars::barOf(WindowHandle minimized) const {
  for (const Bar& b : bars_) {
    if (b.owner == minimized) return b.window.get();
  }
  return nullptr;
}

void MinimizedBars::layout() {
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    if (bars_[i].window && bars_[i].window->bounds() != slot(i)) bars_[i].window->setBounds(slot(i));
  }
}

LResult MinimizedBars::barProc(Window& bar, WindowHandle owner, MessageId msg, WParam wParam, LParam lParam) {
  Window* window = system_.find(owner);
  switch (msg) {
    case WM_NCLBUTTONDOWN:
      // The caption restores at once; the buttons press and act on release (default handling).
      if (static_cast<LResult>(wParam) == HTCAPTION) {
        if (window) window->send(WM_SYSCOMMAND, SC_RESTORE, 0);
        return 0;
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      if (window) window->send(WM_SYSCOMMAND, SC_RESTORE, 0);
      return 0;
    case WM_SYSCOMMAND:
      if (!window) return 0;
      // The bar's restore button sits where the minimise button was.
      switch (wParam & 0xFFF0) {
        case SC_CLOSE: return window->send(WM_SYSCOMMAND, SC_CLOSE, lParam);
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_RESTORE: return window->send(WM_SYSCOMMAND, SC_RESTORE, lParam);
        default: return 0;
      }
    default:
      break;
  }
  return system_.defWindowProc(bar, msg, wParam, lParam);
}

}  // namespace tavra
