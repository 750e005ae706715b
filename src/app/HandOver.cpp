#include "program/HandOver.h"

#include "program/ProgramWindows.h"
#include "app/Unit5.h"
#include "framework/MessageBoxes.h"
#include "selftest/Unit2.h"
#include "selftest/Unit3.h"
#include "viewer/Unit1.h"
#include "viewer/Unit4.h"
#include "about/Unit6.h"

namespace tavra::handover {
namespace {

ProgramWindows& w() { return programWindows(); }

}  // namespace

void splashDone() {
  w().Form5->Hide();
  w().Form1->Show();
}

void openTesting() {
  w().Form2->Show();
  w().Form1->Hide();
}

void returnFromTesting() {
  w().Form1->Show();
  w().Form2->Hide();
}

void openResult() {
  w().Form2->Hide();
  w().Form3->Show();
}

void resultDone() {
  w().Form3->Hide();
  w().Form1->Show();
}

void closeResult() {
  w().Form3->Hide();
  w().Form1->Show();
}

void openAppendices() { w().Form4->Show(); }

void noAppendices() {
  ShowMessage(kNoAppendicesMessage);
  w().Form4->Hide();
}

void openAbout() { w().Form6->Show(); }

void closeMain() {
  w().Form1->Hide();
  w().Form5->Close();
}

void exitProgram() { w().Form5->Close(); }

}  // namespace tavra::handover
