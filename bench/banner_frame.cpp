// One frame of the About window's banner (build/bin/flash.swf) at its size, 480 × 102: the tick
// (display list step) and the render, whole or through the frame cache (only what changed
// drawn again, as the control does), and loading the movie.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfFrameCache.h"
#include "platform/banner/SwfPlayer.h"

namespace {

// The banner beside the program: build/bin/flash.swf, next to this benchmark's build/bench.
std::string bannerPath() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return "bin/flash.swf";
  return (exe.parent_path().parent_path() / "bin" / "flash.swf").string();
}

void BM_BannerFrame(benchmark::State& state) {
  tavra::SwfPlayer player;
  if (!player.load(bannerPath())) {
    state.SkipWithError(("cannot load the banner: " + player.loadError()).c_str());
    return;
  }
  tavra::Bitmap bitmap(480, 102);
  for (auto _ : state) {
    player.advance();
    player.render(bitmap, bitmap.bounds());
    benchmark::DoNotOptimize(bitmap.data());
  }
}
BENCHMARK(BM_BannerFrame)->Unit(benchmark::kMillisecond);

// Through the frame cache as the control uses it; with the argument 0 no frames are remembered,
// so every frame draws its changed area (the first round of a loop).
void BM_BannerFrameCached(benchmark::State& state) {
  tavra::SwfPlayer player;
  if (!player.load(bannerPath())) {
    state.SkipWithError(("cannot load the banner: " + player.loadError()).c_str());
    return;
  }
  tavra::SwfFrameCache cache(static_cast<std::size_t>(state.range(0)));
  cache.update(player, {480, 102});
  std::int64_t pixels = 0;
  for (auto _ : state) {
    player.advance();
    tavra::Region changed = cache.update(player, {480, 102});
    for (const tavra::Rect& r : changed.rects()) pixels += static_cast<std::int64_t>(r.width()) * r.height();
    benchmark::DoNotOptimize(cache.bitmap().data());
  }
  // Share of the banner redrawn per frame.
  state.counters["redrawn"] =
      benchmark::Counter(static_cast<double>(pixels) / (480.0 * 102.0), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_BannerFrameCached)->Arg(0)->Arg(tavra::SwfFrameMemory::kDefaultBudgetBytes)->Unit(benchmark::kMillisecond);

void BM_BannerLoad(benchmark::State& state) {
  std::string path = bannerPath();
  for (auto _ : state) {
    tavra::SwfPlayer player;
    if (!player.load(path)) {
      state.SkipWithError("cannot load the banner");
      return;
    }
    benchmark::DoNotOptimize(player.frameCount());
  }
}
BENCHMARK(BM_BannerLoad)->Unit(benchmark::kMillisecond);

}  // namespace
