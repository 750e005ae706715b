#pragma once
// The appendices window: figures of the current section in a page viewer that fills the window
// and follows it when resized, beside the current window.
#include "framework/core/Form.h"
#include "platform/page/WebBrowser.h"

namespace tavra {

class AppendicesWindow : public TForm {
 public:
  explicit AppendicesWindow(TComponent* owner);

  TWebBrowser* WB3 = nullptr;

  void FormClose(TComponent& sender, TCloseAction& action);
};

}  // namespace tavra
