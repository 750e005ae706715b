#include "skin/binding/ButtonFades.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "winsys/WindowSystem.h"

namespace tavra {

bool eventAnimates(TacAnimatEvents events, TacAnimatEvent event, const TsSkinManager* manager) {
  if (events & event) return true;
  if (!(events & aeGlobalDef) || !manager) return false;
  // The manager's button events use the same bits as the button's own.
  return (manager->AnimEffects.Buttons.Events & static_cast<unsigned>(event)) != 0;
}

bool fadesSuspended() { return skinProcessState().skinChanging || skinProcessState().skinChangeAnimation; }

int fadeStartWeight(int step, int count) {
  if (count <= 0) return 0;
  return std::clamp(255 - (step * 256) / count, 0, 255);
}

void blendFadeStep(const Bitmap& start, const Bitmap& cache, int a, Bitmap& frame) {
  if (frame.width() != cache.width() || frame.height() != cache.height() || frame.format() != cache.format()) {
    frame = Bitmap(cache.width(), cache.height(), cache.format());
  }
  const int w = std::min(start.width(), cache.width());
  const int h = std::min(start.height(), cache.height());
  if (a <= 0 || w <= 0 || h <= 0) {
    frame.copyFrom(cache, cache.bounds(), 0, 0);
    return;
  }
  const unsigned ka = static_cast<unsigned>(a);
  const unsigned kb = 255u - ka;
  for (int y = 0; y < h; ++y) {
    const Pixel* s = start.row(y);
    const Pixel* c = cache.row(y);
    Pixel* out = frame.row(y);
    for (int x = 0; x < w; ++x) {
      const Pixel sp = s[x];
      const Pixel cp = c[x];
      const unsigned r = (((sp >> 16) & 0xFF) * ka + ((cp >> 16) & 0xFF) * kb + 127) >> 8;
      const unsigned g = (((sp >> 8) & 0xFF) * ka + ((cp >> 8) & 0xFF) * kb + 127) >> 8;
      const unsigned b = ((sp & 0xFF) * ka + (cp & 0xFF) * kb + 127) >> 8;
      out[x] = (cp & 0xFF000000u) | (r << 16) | (g << 8) | b;
    }
  }
  // What the start image does not cover shows the cache.
  if (w < cache.width() || h < cache.height()) {
    for (int y = 0; y < cache.height(); ++y) {
      const int from = y < h ? w : 0;
      std::copy(cache.row(y) + from, cache.row(y) + cache.width(), frame.row(y) + from);
    }
  }
}

void pauseGuiThread(int ms) {
  if (WindowSystem::exists()) {
    if (auto* clock = dynamic_cast<VirtualClock*>(&WindowSystem::instance().clock())) {
      clock->advance(ms);
      return;
    }
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace tavra
