#pragma once
// The main window: the textbook viewer. Closing it ends the program (through the splash
// window, the application's main form).
#include "framework/Form.h"

namespace tavra {

class TsSkinManager;

class TForm1 : public TForm {
 public:
  explicit TForm1(TComponent* owner);

  TsSkinManager* sm = nullptr;

  void FormCreate(TComponent& sender);

  void FormClose(TComponent& sender, TCloseAction& action);
  void f1b3Click(TComponent& sender);  // "тесты"
  void N3Click(TComponent& sender);    // "О программе"
  void N4Click(TComponent& sender);    // "Выход"
};

}  // namespace tavra
