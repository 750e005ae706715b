#include "viewer/AppendicesWindow.h"

namespace tavra {

AppendicesWindow::AppendicesWindow(TComponent* owner) : TForm(owner) {
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

void AppendicesWindow::FormClose(TComponent&, TCloseAction&) { Hide(); }

}  // namespace tavra
