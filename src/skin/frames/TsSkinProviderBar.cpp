// The bar that stands for a minimised form when the display keeps no place for minimised windows
// (the window system shows one at the bottom of the screen). The provider takes the bar's window
// procedure over and makes it the form's minimised caption: the picture is composed at the bar's
// size with the form's caption section, icon, text and the buttons of a minimised window (restore
// on the minimise button, maximise, close), and the buttons hover, press and act as on the form.
// Everything else of the bar (a click on the caption restores the form) stays the bar's own.
#include <utility>

#include "framework/core/Form.h"
#include "skin/frames/TsSkinProvider.h"
#include "winsys/WindowSystem.h"

namespace tavra {

Window* TsSkinProvider::frameWindow() const {
  Window* w = form_.window();
  if (w && barHandle_ && w->isMinimized()) {
    if (Window* bar = WindowSystem::instance().find(barHandle_)) return bar;
  }
  return w;
}

Size TsSkinProvider::frameSize() const {
  const Window* w = frameWindow();
  return w ? w->bounds().size() : Size{};
}

void TsSkinProvider::followMinimizedBar() {
  if (!WindowSystem::exists()) return;
  Window* w = WindowSystem::instance().find(handle_);
  if (!w) return;
  Window* bar = w->isMinimized() ? WindowSystem::instance().minimizedBarOf(*w) : nullptr;
  if (!bar || bar->handle() != barHandle_) {
    releaseMinimizedBar();
    if (bar) {
      barHandle_ = bar->handle();
      barPrevious_ = bar->setProc([this](Window& b, MessageId msg, WParam wp, LParam lp) { return barProc(b, msg, wp, lp); });
    }
  }
  // The frame changed its window, its size and its buttons: everything is composed anew.
  measure();
  SkinData.BackgroundDirty = true;
  captionDirty_ = true;
  regionDirty_ = true;
  for (Bitmap& b : backgrounds_) b = Bitmap();
  if (bar) bar->invalidateFrame();
}

void TsSkinProvider::releaseMinimizedBar() {
  const WindowHandle gone = std::exchange(barHandle_, 0);
  WindowProc previous = std::move(barPrevious_);
  barPrevious_ = nullptr;
  if (!gone || !WindowSystem::exists()) return;
  Window* bar = WindowSystem::instance().find(gone);
  if (!bar) return;
  if (pressCapture_ && WindowSystem::instance().capture() == bar) WindowSystem::instance().releaseCapture();
  WindowSystem::instance().killTimer(*bar, kHoverWatchTimer);
  bar->setWindowRegion(std::nullopt, Redraw::No);
  bar->setProc(std::move(previous));
  bar->invalidateFrame();
}

LResult TsSkinProvider::barProc(Window& bar, MessageId msg, WParam wParam, LParam lParam) {
  auto previous = [&] { return barPrevious_ ? barPrevious_(bar, msg, wParam, lParam) : WindowSystem::instance().defWindowProc(bar, msg, wParam, lParam); };
  if (form_.isDestroying() || !paintsFrame()) return previous();
  if (std::optional<LResult> consumed = frameMessage(bar, msg, wParam, lParam)) return *consumed;
  // The bar is all caption: where no caption button of the skin answers, its caption does (the
  // bar's own frame would find its buttons where the skin has none).
  if (msg == WM_NCHITTEST) {
    const Point p = Point{xFromLParam(lParam), yFromLParam(lParam)} - bar.screenOrigin();
    return Rect::fromSize(0, 0, bar.bounds().width(), bar.bounds().height()).contains(p) ? HTCAPTION : HTNOWHERE;
  }
  return previous();
}

}  // namespace tavra
