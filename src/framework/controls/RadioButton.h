#pragma once
// A radio button: a round mark and a caption. Clicking it (or Space) checks it; checking one
// unchecks the other radio buttons of its parent; the arrow keys move to the neighbouring radio
// button of the parent and check it. It takes Tab only while checked, as the platform's
// groups of radio buttons do.
#include "framework/core/CustomControl.h"

namespace tavra {

class TRadioButton : public TCustomControl {
 public:
  explicit TRadioButton(TComponent* owner);

  bool checked() const { return checked_; }
  // Checking runs Click (the button's or its group's reaction); unchecking runs nothing.
  void setChecked(bool c);
  // The caption's box, where the focus rectangle goes.
  Rect textRect(Canvas& canvas) const;

  void WndProc(TMessage& msg) override;

  static constexpr int kMarkSize = 12;

 protected:
  void Paint() override;
  bool takesFocusOnClick() const override { return true; }
  LResult DialogCode() override { return DLGC_WANTARROWS; }

 private:
  void moveToSibling(bool forward);
  bool checked_ = false;
  bool pressed_ = false;  // held down by the mouse or Space
  bool mouseDown_ = false;
};

}  // namespace tavra
