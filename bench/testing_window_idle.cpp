// The idle testing window: one second of its life (a hundred status ticks, the caret blinking in
// a field) on the headless display with the virtual clock. The time per iteration is the
// processor time the idle window costs per second, less what the display backend adds.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "gfx/ImageCodec.h"
#include "selftest/TestingWindow.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

void IdleTestingWindowSecond(benchmark::State& state) {
  auto previous = std::filesystem::current_path();
  auto dir = std::filesystem::temp_directory_path() / "tavra-bench-marks";
  std::filesystem::create_directories(dir / "dmat");
  std::filesystem::current_path(dir);
  Bitmap mark(24, 24);
  mark.fill(pixelFromColor(rgb(0, 160, 0)));
  savePng(mark, "dmat/ok.png");
  savePng(mark, "dmat/no.png");
  {
    HeadlessDriver driver;
    startProgram(driver);
    driver.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
    MainWindow& main = *programWindows().mainWindow;
    main.f1b3Click(main);
    TestingWindow& test = *programWindows().testingWindow;
    test.e1->setText("Иванов");
    driver.click(*test.e2);
    driver.advance(1000);
    for (auto _ : state) driver.advance(1000);
  }
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}
BENCHMARK(IdleTestingWindowSecond)->Unit(benchmark::kMillisecond);

}  // namespace
