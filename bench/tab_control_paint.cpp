// Full paint of the testing window's two skinned tab controls (the variant tabs over the whole
// window and the scrolled question tabs with their spin buttons), through the window system's
// paint path: each composes its cache from the skin, puts it on screen and draws its selected
// tab on its own.
#include <benchmark/benchmark.h>

#include "program/ProgramWindows.h"
#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "selftest/TestingWindow.h"
#include "viewer/MainWindow.h"

namespace {

using namespace tavra;

void BM_TestingWindowTabControlsFullPaint(benchmark::State& state) {
  HeadlessDriver driver;
  startProgram(driver);
  driver.advanceUntil([] { return programWindows().mainWindow->visible(); }, 20000, 100);
  MainWindow& main = *programWindows().mainWindow;
  main.f1b3Click(main);
  TestingWindow& test = *programWindows().testingWindow;
  test.tc1->setTabIndex(0);
  test.tc2->setTabIndex(7);  // scrolled into view: the arrows are shown
  driver.settle();
  if (!test.tc1->SkinData.HasSkin() || !test.tc2->SkinData.HasSkin()) {
    state.SkipWithError("the tab controls are not skinned");
    return;
  }
  for (auto _ : state) {
    test.tc1->window()->invalidate(Erase::Yes);
    test.tc2->window()->invalidate(Erase::Yes);
    driver.ws().processMessages();
  }
}
BENCHMARK(BM_TestingWindowTabControlsFullPaint)->Unit(benchmark::kMillisecond);

}  // namespace
