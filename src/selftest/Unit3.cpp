#include "selftest/Unit3.h"

#include "app/HandOver.h"

namespace tavra {

TForm3::TForm3(TComponent* owner) : TForm(owner) {
  setName("Form3");
  setCaption("Результат тестирования");
  setBorderStyle(TFormBorderStyle::bsDialog);
  setBorderIcons(biSystemMenu);
  setBounds(329, 302, width(), height());
  setClientSize(420, 189);
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

void TForm3::FormClose(TComponent&, TCloseAction&) { handover::closeResult(); }

}  // namespace tavra
