#pragma once
// The testing window. Closing it returns to the main window.
#include "framework/Form.h"

namespace tavra {

class TForm2 : public TForm {
 public:
  explicit TForm2(TComponent* owner);

  void FormClose(TComponent& sender, TCloseAction& action);
  void f2b1Click(TComponent& sender);  // "Вернуться к учебнику"
  void f2b3Click(TComponent& sender);  // "Посмотреть результат"
};

}  // namespace tavra
