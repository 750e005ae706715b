#include "driver/Scenarios.h"

#include "app/HandOver.h"
#include "app/ProgramWindows.h"
#include "app/Unit5.h"
#include "viewer/Unit1.h"
#include "windows/Unit6.h"

namespace tavra {
namespace {

void splash(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  TForm5& splash = *programWindows().Form5;
  d.advanceUntil([&] { return splash.opacity() >= 252; }, 5000);
  shot("1");
}

void mainWindow(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  d.advanceUntil([] { return programWindows().Form1->visible(); }, 20000, 100);
  shot("1");
}

void aboutWindow(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  d.startProgram();
  d.advanceUntil([] { return programWindows().Form1->visible(); }, 20000, 100);
  handover::openAbout();
  // Two seconds of the banner, so that its motifs have moved from their first frame.
  d.advance(2000);
  shot("1");
}

}  // namespace

const std::vector<Scenario>& scenarios() {
  static const std::vector<Scenario> list = {
      {"splash", "the splash window at full opacity, counting down", splash},
      {"main", "the main window after the splash", mainWindow},
      {"about", "the About window over the main window, its banner playing", aboutWindow},
  };
  return list;
}

}  // namespace tavra
