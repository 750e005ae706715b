#pragma once
// A push button: pressed with the mouse (released inside to click) or with the space bar; the
// default button answers Enter and the cancel button Escape anywhere on its form; a modal
// result closes a modal form.
#include "framework/core/CustomControl.h"

namespace tavra {

class TButton : public TCustomControl {
 public:
  explicit TButton(TComponent* owner);

  bool isDefault() const { return default_; }
  void setDefault(bool d);
  bool cancel() const { return cancel_; }
  void setCancel(bool c) { cancel_ = c; }
  int modalResult() const { return modalResult_; }
  void setModalResult(int r) { modalResult_ = r; }
  bool down() const { return down_; }

  void Click() override;
  void WndProc(TMessage& msg) override;

 protected:
  void Paint() override;
  bool takesFocusOnClick() const override { return true; }
  bool KeyDown(unsigned& key, TShiftState shift) override;
  void KeyUp(unsigned& key, TShiftState shift) override;

 private:
  void setDown(bool d);
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  bool down_ = false;
  bool mouseDown_ = false;
  bool spaceDown_ = false;
};

}  // namespace tavra
