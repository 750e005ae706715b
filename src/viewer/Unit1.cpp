#include "viewer/Unit1.h"

#include "app/HandOver.h"
#include "app/ProgramWindows.h"
#include "selftest/Unit2.h"
#include "skin/manager/TsSkinManager.h"
#include "viewer/ContentPaths.h"

namespace tavra {

TForm1::TForm1(TComponent* owner) : TForm(owner) {
  setName("Form1");
  setCaption("Veltrana Часть первая");
  setBorderStyle(TFormBorderStyle::bsSingle);
  setBorderIcons(biSystemMenu | biMinimize);
  setBounds(9, 5, width(), height());
  setClientSize(1000, 680);
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
  OnCreate = [this](TComponent& s) { FormCreate(s); };

  // The skin manager and its stored settings.
  sm = &make<TsSkinManager>();
  sm->setName("sm");
  sm->setInternalSkins(builtInSkins());
  sm->setSkinDirectory("c:\\Skins");
  sm->setSkinName("Beijing (internal)");
  sm->setSkinInfo("6.14");
}

void TForm1::FormCreate(TComponent&) {
  sm->setSkinDirectory(content::path(content::kSkins));
  sm->setSkinName("Rhombus");
}

void TForm1::FormClose(TComponent&, TCloseAction&) { handover::closeMain(); }

void TForm1::f1b3Click(TComponent&) {
  handover::openTesting();
  programWindows().Form2->ResetTest();
}

void TForm1::N3Click(TComponent&) { handover::openAbout(); }

void TForm1::N4Click(TComponent&) { handover::exitProgram(); }

}  // namespace tavra
