#include "skin/paint/SkinChangeFade.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "gfx/Canvas.h"
#include "winsys/WindowSystem.h"

namespace tavra {

SkinChangeFade::SkinChangeFade(Window& window) : window_(window) {
  const Size size = window.bounds().size();
  Bitmap& backing = window.backing();
  const Rect whole = Rect::fromSize(0, 0, size.width, size.height);
  old_ = backing.size() == size ? backing.copy(whole) : Bitmap(size.width, size.height);
  new_ = Bitmap(size.width, size.height);
  Canvas canvas(new_);
  window.send(WM_PRINT, reinterpret_cast<WParam>(&canvas), PRF_NONCLIENT | PRF_ERASEBKGND | PRF_CLIENT | PRF_CHILDREN);
  canvas.syncPixels();
}

void SkinChangeFade::step(int k, int n) {
  Bitmap& backing = window_.backing();
  if (backing.size() != new_.size() || n <= 0) return;
  const unsigned a = static_cast<unsigned>(std::clamp(k, 0, n)) * 256u / static_cast<unsigned>(n);
  const unsigned b = 256u - a;
  for (int y = 0; y < new_.height(); ++y) {
    const Pixel* o = old_.row(y);
    const Pixel* nw = new_.row(y);
    Pixel* d = backing.row(y);
    for (int x = 0; x < new_.width(); ++x) {
      const Pixel p = o[x];
      const Pixel q = nw[x];
      // Red and blue together, green apart: two multiplies a pixel.
      const Pixel rb = (((p & 0x00FF00FFu) * b + (q & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
      const Pixel g = (((p & 0x0000FF00u) * b + (q & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
      d[x] = 0xFF000000u | rb | g;
    }
  }
  WindowSystem& ws = WindowSystem::instance();
  if (window_.isShowing()) ws.backend().present(window_, backing, Region(backing.bounds()));
}

void SkinChangeFade::run(int timeMs) {
  const int n = std::max(1, timeMs / kStepMs);
  WindowSystem& ws = WindowSystem::instance();
  const bool realTime = !ws.clock().isVirtual();
  const auto start = std::chrono::steady_clock::now();
  for (int k = 1; k <= n; ++k) {
    step(k, n);
    if (realTime && k < n) std::this_thread::sleep_until(start + std::chrono::milliseconds(k * kStepMs));
  }
}

}  // namespace tavra
