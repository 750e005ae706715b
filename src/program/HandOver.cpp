#include "program/HandOver.h"

#include "framework/core/Form.h"
#include "framework/core/MessageBoxes.h"
#include "program/ProgramWindows.h"

namespace tavra::handover {
namespace {

ProgramForms& w() { return programWindows().forms; }

}  // namespace

void splashDone() {
  w().splash->Hide();
  w().main->Show();
}

void openTesting() {
  w().testing->Show();
  w().main->Hide();
}

void returnFromTesting() {
  w().main->Show();
  w().testing->Hide();
}

void openResult() {
  w().testing->Hide();
  w().result->Show();
}

void resultDone() {
  w().result->Hide();
  w().main->Show();
}

void closeResult() {
  w().result->Hide();
  w().main->Show();
}

void openAppendices() { w().appendices->Show(); }

void noAppendices() {
  ShowMessage(kNoAppendicesMessage);
  w().appendices->Hide();
}

void openAbout() { w().about->Show(); }

void closeMain() {
  w().main->Hide();
  w().splash->Close();
}

void exitProgram() { w().splash->Close(); }

}  // namespace tavra::handover
