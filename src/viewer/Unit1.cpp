#include "viewer/Unit1.h"

#include "app/HandOver.h"
#include "app/ProgramWindows.h"
#include "selftest/Unit2.h"

namespace tavra {

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  setName("Form1");
  setCaption("Veltrana Часть первая");
  setBorderStyle(TFormBorderStyle::bsSingle);
  setBorderIcons(biSystemMenu | biMinimize);
  setBounds(9, 5, width(), height());
  setClientSize(1000, 680);
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

void TForm1::FormClose(TComponent&, TCloseAction&) { handover::closeMain(); }

void TForm1::f1b3Click(TComponent&) {
  handover::openTesting();
  programWindows().Form2->ResetTest();
}

void TForm1::N3Click(TComponent&) { handover::openAbout(); }

void TForm1::N4Click(TComponent&) { handover::exitProgram(); }

}  // namespace tavra
