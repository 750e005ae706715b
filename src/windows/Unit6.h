#pragma once
// The About window, half transparent, beside the current window.
#include "framework/Form.h"

namespace tavra {

class TForm6 : public TForm {
 public:
  explicit TForm6(TComponent* owner);
};

}  // namespace tavra
