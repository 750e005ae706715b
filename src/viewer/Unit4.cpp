#include "viewer/Unit4.h"

namespace tavra {

TForm4::TForm4(TComponent* owner) : TForm(owner) {
  setName("Form4");
  setCaption("Приложения");
  setBorderStyle(TFormBorderStyle::bsSizeable);
  setBorderIcons(biSystemMenu);
  setBounds(255, 172, 480, 427);
  WB3 = &make<TWebBrowser>();
  WB3->setName("WB3");
  WB3->setParent(this);
  WB3->setAlign(TAlign::alClient);
  OnClose = [this](TComponent& s, TCloseAction& a) { FormClose(s, a); };
}

void TForm4::FormClose(TComponent&, TCloseAction&) { Hide(); }

}  // namespace tavra
