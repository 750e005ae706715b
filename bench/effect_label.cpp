// Effect label paint: the mask, the blur passes (10, and 1 to show what the rest costs), the
// composition over the parent's pixels and the text, for the splash window's "Загрузка"
// (133 × 37) and the main window's title bar label (542 × 66).
#include <benchmark/benchmark.h>

#include <memory>

#include "gfx/Canvas.h"
#include "skin/labels/TsLabelFX.h"

namespace tavra {
namespace {

void paintLabel(benchmark::State& state, int width, int height, const std::string& caption, TAlignment alignment, bool wordWrap) {
  warmUpFonts();
  auto label = std::make_unique<TsLabelFX>(nullptr);
  label->setAutoSize(false);
  label->setBounds(0, 0, width, height);
  label->setFont(Font{"Verdana", 24, fsBold | fsItalic, clBlack, FontCharset::Russian});
  label->setAlignment(alignment);
  label->setWordWrap(wordWrap);
  label->shadow().setMode(TsShadowMode::smCustom);
  label->shadow().setColor(rgb(166, 202, 240));
  label->shadow().setBlurCount(state.range(0));
  label->shadow().setDistance(1);
  label->setCaption(caption);
  // The parent's pixels under the label: a gradient, as a picture behind it would be.
  Bitmap parent(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) parent.setPixel(x, y, pixelFromColor(rgb(x & 0xFF, y * 3 & 0xFF, 128)));
  }
  Bitmap target(width, height);
  for (auto _ : state) {
    target.copyFrom(parent, parent.bounds(), 0, 0);
    Canvas canvas(target);  // a canvas per paint, as the window system makes them
    label->Perform(WM_PAINT, reinterpret_cast<WParam>(&canvas), 0);
    benchmark::DoNotOptimize(target.data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_EffectLabel133x37(benchmark::State& state) { paintLabel(state, 133, 37, "Загрузка", TAlignment::taLeftJustify, false); }
BENCHMARK(BM_EffectLabel133x37)->ArgName("blur")->Arg(10)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_EffectLabel542x66(benchmark::State& state) { paintLabel(state, 542, 66, "Veltrana", TAlignment::taRightJustify, true); }
BENCHMARK(BM_EffectLabel542x66)->ArgName("blur")->Arg(10)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra
