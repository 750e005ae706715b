// Showing a hint of the hint manager without its fade-in: measuring, placing, the mask, the body,
// the shadow and the per-pixel alpha image (or the composition over the captured screen), for
// the testing window's simply hint and the ready-made ellipse and balloon looks.
#include <benchmark/benchmark.h>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "skin/hints/TsBalloonHintWindow.h"
#include "skin/hints/TsEllipseHintWindow.h"
#include "skin/hints/TsSimplyHintWindow.h"
#include "skin/hints/TsHintManager.h"

namespace tavra {
namespace {

constexpr const char* kText = "Чтобы просмотреть задания нажмите эту кнопку";

void testingWindowLook(TsHintManager& m) {
  TsHintKind& k = m.HintKind();
  k.setStyle(hsSimply);
  k.TexturePercent = 76;
  k.Color = clBlack;
  k.ColorBorderTop = clWhite;
  k.ColorBorderBottom = clBlack;
  k.Transparency = 28;
  k.ShadowBlur = 8;
  k.setShadowEnabled(true);
  k.ShadowOffset = 22;
  k.ShadowTransparency = 69;
  k.MarginH = 6;
  k.MarginV = 3;
  k.MaxWidth = 240;
  k.setFont(Font{.name = "Arial", .height = 12, .color = clBlack, .charset = FontCharset::Russian});
}

void showHint(benchmark::State& state, TsHintsPredefinitions look, bool perPixelAlpha) {
  warmUpFonts();
  HeadlessDriver driver;
  driver.backend().setPerPixelAlphaSupported(perPixelAlpha);
  TForm& form = driver.app().CreateForm<TForm>();
  form.setBounds(100, 100, 400, 300);
  form.Show();
  TsHintManager& m = form.make<TsHintManager>();
  m.Animated = false;
  if (look == shCustom) testingWindowLook(m);
  m.setPredefinitions(look);
  m.ApplyPredefinition();
  std::unique_ptr<TsCustomHintWindow> hint;
  switch (m.HintKind().Style()) {
    case hsEllipse: hint = std::make_unique<TsEllipseHintWindow>(nullptr); break;
    case hsBalloon: hint = std::make_unique<TsBalloonHintWindow>(nullptr); break;
    default: hint = std::make_unique<TsSimplyHintWindow>(nullptr); break;
  }
  for (auto _ : state) {
    m.HintPosition = {200, 200};
    const Rect r = hint->CalcHintRect(0, kText, nullptr);
    hint->ActivateHint(r, kText);
    driver.settle();
    benchmark::DoNotOptimize(hint->layerImage().data());
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_HintTestingWindow(benchmark::State& state) { showHint(state, shCustom, state.range(0) != 0); }
BENCHMARK(BM_HintTestingWindow)->ArgName("perPixelAlpha")->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_HintEllipse(benchmark::State& state) { showHint(state, shEllipse, true); }
BENCHMARK(BM_HintEllipse)->Unit(benchmark::kMicrosecond);

void BM_HintBalloon(benchmark::State& state) { showHint(state, shBalloon, true); }
BENCHMARK(BM_HintBalloon)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavra
