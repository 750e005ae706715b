// The main window's full repaint (frame, erase, paint, windowless children, presentation) in a
// skin of the program against the same window with the skin manager switched off. Composed caches
// are clean in the skinned case, as after any repaint that follows the first.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

void repaintMainWindow(benchmark::State& state, const char* skin) {
  HeadlessDriver driver;
  startProgram(driver);
  driver.advanceUntil([] { return programWindows().mainWindow && programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  if (skin) {
    // The program's skins lie beside the program, in build/bin/skins.
    const std::filesystem::path exe = std::filesystem::canonical("/proc/self/exe");
    main.sm->setSkinDirectory((exe.parent_path().parent_path() / "bin" / "skins").string());
    main.sm->setSkinName(skin);
    main.sm->setActive(true);
    if (main.sm->skinName() != skin || main.sm->model().Sections.empty()) {
      state.SkipWithError("the skin did not load");
      return;
    }
  } else {
    main.sm->setActive(false);
  }
  driver.settle();
  for (auto _ : state) {
    main.window()->invalidateTree();
    driver.ws().processMessages();
  }
  state.SetLabel(skin ? skin : "unskinned");
}

void BM_MainWindowRepaintUnskinned(benchmark::State& state) { repaintMainWindow(state, nullptr); }
void BM_MainWindowRepaintWood(benchmark::State& state) { repaintMainWindow(state, "Wood"); }
void BM_MainWindowRepaintVista(benchmark::State& state) { repaintMainWindow(state, "Vista"); }
BENCHMARK(BM_MainWindowRepaintUnskinned)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowRepaintWood)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MainWindowRepaintVista)->Unit(benchmark::kMillisecond);

}  // namespace
