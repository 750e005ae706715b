#pragma once
// A box that holds controls, with a single sunken border or none. (Its content is laid out to
// fit: it shows no scroll bars.)
#include "framework/core/BorderStyle.h"
#include "framework/core/CustomControl.h"

namespace tavra {

class TScrollBox : public TCustomControl {
 public:
  explicit TScrollBox(TComponent* owner);

  TBorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(TBorderStyle style);

 protected:
  void CreateParams(WindowParams& params) override;
  void Paint() override;

 private:
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

}  // namespace tavra
