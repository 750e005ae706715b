// Canvas speed: a window-sized paint of 50 labels, smooth-shaded triangles and blits.
#include <benchmark/benchmark.h>

#include <string>

#include "gfx/Canvas.h"

namespace tavra {
namespace {

void BM_PaintFiftyLabels(benchmark::State& state) {
  warmUpFonts();
  Bitmap window(1000, 680);
  std::vector<std::string> captions;
  for (int i = 0; i < 50; ++i) captions.push_back("&Метка номер " + std::to_string(i) + (i % 5 == 0 ? " с длинным текстом, который переносится" : ""));
  for (auto _ : state) {
    Canvas canvas(window);  // a canvas per paint, as the window system makes them
    canvas.fillRect(window.bounds(), clBtnFace);
    canvas.setFont(systemFont());
    canvas.setBackgroundMode(BackgroundMode::Transparent);
    for (int i = 0; i < 50; ++i) {
      Rect r = Rect::fromSize(10 + (i % 5) * 195, 10 + (i / 5) * 60, 180, 50);
      canvas.drawText(captions[static_cast<size_t>(i)], r, DT_WORDBREAK | (i % 2 ? DT_CENTER : DT_LEFT));
    }
    benchmark::DoNotOptimize(window.data());
  }
}
BENCHMARK(BM_PaintFiftyLabels)->Unit(benchmark::kMicrosecond);

void BM_MeasureLabel(benchmark::State& state) {
  warmUpFonts();
  Bitmap b(10, 10);
  Canvas canvas(b);
  canvas.setFont(systemFont());
  for (auto _ : state) {
    Rect r{0, 0, 120, 0};
    benchmark::DoNotOptimize(canvas.drawText("Параметры расчёта сетки", r, DT_CALCRECT | DT_WORDBREAK));
  }
}
BENCHMARK(BM_MeasureLabel)->Unit(benchmark::kMicrosecond);

void BM_GradientTrianglesWindow(benchmark::State& state) {
  Bitmap window(1000, 680);
  const TriVertex v[] = {{0, 0, 0xFF00, 0, 0, 0}, {1000, 0, 0, 0xFF00, 0, 0}, {1000, 680, 0, 0, 0xFF00, 0}, {0, 680, 0xFF00, 0xFF00, 0, 0}};
  const std::array<int, 3> t[] = {{0, 1, 2}, {0, 2, 3}};
  for (auto _ : state) {
    Canvas canvas(window);
    canvas.gradientFillTriangles(v, t);
    benchmark::DoNotOptimize(window.data());
  }
}
BENCHMARK(BM_GradientTrianglesWindow)->Unit(benchmark::kMicrosecond);

void BM_BlitWindow(benchmark::State& state) {
  Bitmap window(1000, 680), source(1000, 680);
  for (auto _ : state) {
    Canvas canvas(window);
    canvas.excludeClip({100, 100, 300, 300});
    canvas.drawBitmap({0, 0}, source);
    benchmark::DoNotOptimize(window.data());
  }
}
BENCHMARK(BM_BlitWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra
