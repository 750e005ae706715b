// The program's own skins: the largest internal skin read into a model (package, masks,
// patterns, sections), and the same skin chosen in the running program (load, announcement and
// repaint of the main window).
#include <benchmark/benchmark.h>

#include <string>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "skin/builtin/BuiltInSkins.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinSource.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

const TsStoredSkin* largestOf(const TsStoredSkins& skins) {
  const TsStoredSkin* largest = nullptr;
  for (const TsStoredSkin& skin : skins.items()) {
    if (!largest || skin.Data.size() > largest->Data.size()) largest = &skin;
  }
  return largest;
}

void BM_ReadLargestInternalSkin(benchmark::State& state) {
  const TsStoredSkins skins = builtInSkins();
  const TsStoredSkin* largest = largestOf(skins);
  if (!largest) {
    state.SkipWithError("no internal skins");
    return;
  }
  for (auto _ : state) {
    auto source = SkinSource::fromPackageBytes(largest->Data);
    SkinModel model;
    const SkinStatus loaded = SkinLoader(model, source->loadInput()).LoadAll();
    benchmark::DoNotOptimize(loaded);
    benchmark::DoNotOptimize(model.Masks.size());
  }
  state.SetLabel(largest->Name + ", " + std::to_string(largest->Data.size()) + " bytes");
}
BENCHMARK(BM_ReadLargestInternalSkin)->Unit(benchmark::kMillisecond);

void BM_ChooseLargestInternalSkinInTheProgram(benchmark::State& state) {
  HeadlessDriver driver;
  startProgram(driver);
  driver.advanceUntil([] { return programWindows().mainWindow && programWindows().mainWindow->visible(); }, 20000, 100);
  TsSkinManager& sm = *programWindows().mainWindow->sm;
  const TsStoredSkin* largest = largestOf(sm.internalSkins());
  if (!largest) {
    state.SkipWithError("no internal skins");
    return;
  }
  const std::string name = largest->Name;
  for (auto _ : state) {
    sm.setSkinName(name);
    driver.settle();
  }
  state.SetLabel(name);
}
BENCHMARK(BM_ChooseLargestInternalSkinInTheProgram)->Unit(benchmark::kMillisecond);

}  // namespace
