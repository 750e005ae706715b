#pragma once
// The appendices window: figures of the current section, beside the current window.
#include "framework/Form.h"

namespace tavra {

class TForm4 : public TForm {
 public:
  explicit TForm4(TComponent* owner);
  void FormClose(TComponent& sender, TCloseAction& action);
};

}  // namespace tavra
