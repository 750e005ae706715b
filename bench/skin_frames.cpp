// The skinned frame of the main window in its start skin: composing it whole, redrawing only its
// caption layer after an activation change, both against one blit of the same window; one hover
// redraw of a caption button; one step of the skin-change cross-fade.
#include <benchmark/benchmark.h>

#include <memory>

#include "about/AboutWindow.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "gfx/Canvas.h"
#include "program/ProgramWindows.h"
#include "skin/frames/SkinChangeFade.h"
#include "skin/frames/TsSkinProvider.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

struct Program {
  HeadlessDriver driver;
  TsSkinProvider* provider = nullptr;
  Program() {
    startProgram(driver);
    driver.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
    provider = dynamic_cast<TsSkinProvider*>(skinProviderOf(*programWindows().mainWindow));
  }
};

Program& program() {
  static Program p;
  return p;
}

void BM_ComposeMainWindowFrame(benchmark::State& state) {
  TsSkinProvider& p = *program().provider;
  for (auto _ : state) {
    p.SkinData.BackgroundDirty = true;
    p.UpdatePicture();
    benchmark::DoNotOptimize(p.windowPicture().row(0));
  }
  state.counters["width"] = p.windowPicture().width();
  state.counters["height"] = p.windowPicture().height();
}
BENCHMARK(BM_ComposeMainWindowFrame)->Unit(benchmark::kMillisecond);

void BM_CaptionLayerAfterActivationChange(benchmark::State& state) {
  TsSkinProvider& p = *program().provider;
  Window& w = *programWindows().mainWindow->window();
  p.UpdatePicture();
  bool active = p.formActive();
  for (auto _ : state) {
    active = !active;
    w.send(WM_NCACTIVATE, active ? 1 : 0, 0);
    p.UpdatePicture();
    benchmark::DoNotOptimize(p.windowPicture().row(0));
  }
  w.send(WM_NCACTIVATE, 1, 0);
}
BENCHMARK(BM_CaptionLayerAfterActivationChange)->Unit(benchmark::kMillisecond);

// What showing the window costs at least: one copy of its whole picture.
void BM_BlitOfTheWindow(benchmark::State& state) {
  TsSkinProvider& p = *program().provider;
  p.UpdatePicture();
  Bitmap target(p.windowPicture().width(), p.windowPicture().height());
  Canvas canvas(target);
  for (auto _ : state) {
    canvas.drawBitmap({0, 0}, p.windowPicture());
    canvas.syncPixels();
    benchmark::DoNotOptimize(target.row(0));
  }
}
BENCHMARK(BM_BlitOfTheWindow)->Unit(benchmark::kMillisecond);

// Each iteration redraws one button from the saved caption strip and shows it.
void BM_HoverRedrawOfACaptionButton(benchmark::State& state) {
  TsSkinProvider& p = *program().provider;
  p.UpdatePicture();
  for (auto _ : state) {
    p.SetHotItem(p.hotItem() == kHotClose ? 0 : kHotClose);
  }
  p.SetHotItem(0);
}
BENCHMARK(BM_HoverRedrawOfACaptionButton)->Unit(benchmark::kMicrosecond);

void BM_SkinChangeFadeStep(benchmark::State& state) {
  Window& w = *programWindows().mainWindow->window();
  programWindows().mainWindow->window()->update();
  SkinChangeFade fade(w);
  int k = 0;
  for (auto _ : state) {
    fade.step(k % 10 + 1, 10);
    ++k;
  }
  state.counters["pixels"] = static_cast<double>(fade.newLook().width()) * fade.newLook().height();
}
BENCHMARK(BM_SkinChangeFadeStep)->Unit(benchmark::kMillisecond);

// A skin change with its animation, with the main window alone (1) and with the About window open
// beside it (2). The virtual clock skips the pauses between steps, so the figure is the work of a
// change; the steps of all windows go together, so a change lasts one animation time in all.
void BM_AnimatedSkinChange(benchmark::State& state) {
  program();
  MainWindow& main = *programWindows().mainWindow;
  TsSkinManager& sm = *main.sm;
  const bool wasActive = sm.AnimEffects.SkinChanging.Active;
  sm.AnimEffects.SkinChanging.Active = true;
  if (state.range(0) > 1) {
    programWindows().aboutWindow->Show();
    program().driver.settle();
  }
  int k = 0;
  for (auto _ : state) sm.setSkinName(++k % 2 ? "Acryl" : "Rhombus");
  sm.setSkinName("Rhombus");
  programWindows().aboutWindow->Hide();
  program().driver.settle();
  sm.AnimEffects.SkinChanging.Active = wasActive;
  state.counters["windows"] = static_cast<double>(state.range(0));
  state.counters["animation_ms"] = sm.AnimEffects.SkinChanging.Time;
}
BENCHMARK(BM_AnimatedSkinChange)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
