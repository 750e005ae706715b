#include "selftest/Unit2.h"

#include "app/HandOver.h"

namespace tavra {

TForm2::TForm2(TComponent* owner) : TForm(owner) {
  setName("Form2");
  setCaption("Проверочное тестирование");
  setBorderStyle(TFormBorderStyle::bsSingle);
  setBorderIcons(biSystemMenu | biMinimize);
  setBounds(158, 79, width(), height());
  setClientSize(755, 600);
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

void TForm2::FormClose(TComponent&, TCloseAction&) { handover::returnFromTesting(); }

void TForm2::f2b1Click(TComponent&) { handover::returnFromTesting(); }

void TForm2::f2b3Click(TComponent&) { handover::openResult(); }

}  // namespace tavra
