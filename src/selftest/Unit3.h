#pragma once
// The result window. Closing it returns to the main window at once.
#include "framework/Form.h"

namespace tavra {

class TForm3 : public TForm {
 public:
  explicit TForm3(TComponent* owner);

  void FormClose(TComponent& sender, TCloseAction& action);
};

}  // namespace tavra
