#include "driver/program/FramesScenario.h"

#include <array>

#include "program/HandOver.h"
#include "program/ProgramWindows.h"
#include "app/Unit5.h"
#include "driver/program/ProgramStart.h"
#include "framework/MessageBoxes.h"
#include "selftest/Grading.h"
#include "selftest/Unit2.h"
#include "selftest/Unit3.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/Unit1.h"
#include "viewer/Unit4.h"
#include "about/Unit6.h"

namespace tavra {

// The start skin and two of other kinds: glass with alpha masks and rounded corners (Rhombus),
// flat keyed terminal frames, metal with picture-file buttons.
void framesScenario(HeadlessDriver& d, const std::function<void(const std::string&)>& shot) {
  const std::array<std::string, 3> skins = {"Rhombus", "Terminal4bit", "MacMetal"};
  startProgram(d);
  ProgramWindows& w = programWindows();
  TsSkinManager& sm = *w.Form1->sm;
  d.advanceUntil([&] { return w.Form5->opacity() >= 252; }, 5000);
  for (const std::string& skin : skins) {
    sm.setSkinName(skin);
    d.settle();
    shot(skin + "-0-splash");
  }
  sm.setSkinName(skins[0]);
  d.advanceUntil([&] { return w.Form1->visible(); }, 20000, 100);
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
    w.Form6->Hide();
    handover::openAppendices();
    d.advance(100);
    shot(skin + "-3-appendices-over-inactive-main");
    w.Form4->Hide();
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
