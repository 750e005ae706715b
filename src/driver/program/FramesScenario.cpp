#include "driver/program/FramesScenario.h"

#include <array>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/SplashWindow.h"
#include "driver/program/ProgramStart.h"
#include "framework/core/MessageBoxes.h"
#include "selftest/Grading.h"
#include "selftest/TestingWindow.h"
#include "selftest/ResultWindow.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/MainWindow.h"
#include "viewer/AppendicesWindow.h"
#include "about/AboutWindow.h"

namespace tavra {

// The start skin and two of other kinds: glass with alpha masks and rounded corners (Rhombus),
// flat keyed terminal frames, metal with picture-file buttons.
void framesScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  const std::array<std::string, 3> skins = {"Rhombus", "Terminal4bit", "MacMetal"};
  startProgram(d);
  ProgramWindows& w = programWindows();
  TsSkinManager& sm = *w.mainWindow->sm;
  d.advanceUntil([&] { return w.splashWindow->opacity() >= 252; }, 5000);
  for (const std::string& skin : skins) {
    sm.setSkinName(skin);
    d.settle();
    shot(skin + "-0-splash");
  }
  sm.setSkinName(skins[0]);
  d.advanceUntil([&] { return w.mainWindow->visible(); }, 20000, 100);
  auto boxShot = [&](const std::string& step) {
    d.setWhileBoxOpen([&shot, step](const RecordedBox&) { shot(step); });
  };
  for (const std::string& skin : skins) {
    sm.setSkinName(skin);
    d.advance(100);
    shot(skin + "-1-main");
    handover::openAbout();
    d.advance(1500);  // its fade-in
    shot(skin + "-2-about-over-inactive-main");
    w.aboutWindow->Hide();
    handover::openAppendices();
    d.advance(100);
    shot(skin + "-3-appendices-over-inactive-main");
    w.appendicesWindow->Hide();
    handover::openTesting();
    d.advance(100);
    shot(skin + "-4-testing");
    boxShot(skin + "-5-information-over-inactive-testing");
    MessageDlg(grading::unansweredMessage(3), TMsgDlgType::mtInformation);
    handover::openResult();
    d.advance(100);
    shot(skin + "-6-result");
    boxShot(skin + "-7-error-over-inactive-result");
    MessageBox("Ошибка чтения файла страницы.", "Tavra", MB_OK | MB_ICONSTOP);
    d.setWhileBoxOpen({});
    handover::closeResult();
    d.advance(100);
  }
}

}  // namespace tavra
