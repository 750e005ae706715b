// The covers menu: a skin switch as a cover's item makes it (load, announcement, repaint of every
// visible window) set against one full blit of the main window's picture in the same run, and
// opening "Вид" → "Обложки" with its 51 previews (measure, background, painting, closing).
#include <benchmark/benchmark.h>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "framework/menus/MenuBar.h"
#include "framework/menus/MenuTracker.h"
#include "gfx/Canvas.h"
#include "skin/manager/TsSkinManager.h"
#include "program/ContentPaths.h"
#include "viewer/MainWindow.h"
#include "winsys/WindowSystem.h"

namespace {

using namespace tavra;

Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

MainWindow& startedProgram(HeadlessDriver& driver) {
  startProgram(driver);
  driver.advanceUntil([] { return programWindows().mainWindow && programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& f = *programWindows().mainWindow;
  // The skin folder the build writes beside the program (this benchmark lives in build/bench).
  f.sm->setSkinDirectory(content::root() + "../bin/skins");
  f.sm->setSkinName("Rhombus");
  driver.settle();
  return f;
}

void BM_FullBlitOfMainWindow(benchmark::State& state) {
  HeadlessDriver driver;
  MainWindow& f = startedProgram(driver);
  const Bitmap picture = driver.ws().captureScreen(f.window()->bounds());
  Bitmap screen(picture.width(), picture.height());
  Canvas c(screen);
  for (auto _ : state) {
    c.drawBitmap({0, 0}, picture);
    c.syncPixels();
    benchmark::DoNotOptimize(screen.row(0));
  }
  state.SetLabel(std::to_string(picture.width()) + " x " + std::to_string(picture.height()));
}
BENCHMARK(BM_FullBlitOfMainWindow)->Unit(benchmark::kMillisecond);

// For comparison: the whole main window painted again in the same skin.
void BM_FullRepaintOfMainWindow(benchmark::State& state) {
  HeadlessDriver driver;
  MainWindow& f = startedProgram(driver);
  for (auto _ : state) {
    f.window()->invalidateTree();
    driver.settle();
  }
}
BENCHMARK(BM_FullRepaintOfMainWindow)->Unit(benchmark::kMillisecond);

void BM_SkinSwitchFromCoversMenu(benchmark::State& state) {
  HeadlessDriver driver;
  MainWindow& f = startedProgram(driver);
  // Wood and Vista in turn, so that every switch loads and repaints.
  int k = 0;
  for (auto _ : state) {
    f.covers[k == 0 ? 48 : 43]->Click();
    driver.settle();
    k = 1 - k;
  }
  state.SetLabel(f.sm->skinName());
}
BENCHMARK(BM_SkinSwitchFromCoversMenu)->Unit(benchmark::kMillisecond);

void BM_OpenCoversMenuWithPreviews(benchmark::State& state) {
  HeadlessDriver driver;
  MainWindow& f = startedProgram(driver);
  const Point view = centre(f.menuBar().itemScreenRect(0));
  int shown = 0;
  for (auto _ : state) {
    driver.whenMenuOpen([&] { driver.click(centre(MenuTracker::active()->level(0)->itemScreenRect(0))); });
    // Runs once the covers are open and painted; the menus then close.
    driver.whenMenuOpen([&] { shown += MenuTracker::active()->depth() == 2 ? 1 : 0; });
    driver.click(view);
    driver.settle();
  }
  if (shown != static_cast<int>(state.iterations())) state.SkipWithError("the covers menu did not open");
}
BENCHMARK(BM_OpenCoversMenuWithPreviews)->Unit(benchmark::kMillisecond);

}  // namespace
