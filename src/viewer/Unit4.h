#pragma once
// The appendices window: figures of the current section in a page viewer that fills the window
// and follows it when resized, beside the current window.
#include "framework/Form.h"
#include "platform/WebBrowser.h"

namespace tavra {

class TForm4 : public TForm {
 public:
  explicit TForm4(TComponent* owner);

  TWebBrowser* WB3 = nullptr;

  void FormClose(TComponent& sender, TCloseAction& action);
};

}  // namespace tavra
