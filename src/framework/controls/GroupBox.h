#pragma once
// A group box: an etched frame with its caption at the top left; children fill the area inside
// the frame, below the caption.
#include "framework/core/CustomControl.h"

namespace tavra {

class TCustomGroupBox : public TCustomControl {
 public:
  explicit TCustomGroupBox(TComponent* owner);

  // Inside the frame and below the caption: (2, caption height + 2, width − 2, height − 2).
  void AdjustClientRect(Rect& rect) const override;
  // The height of the caption's line of text in the control's font.
  int captionHeight() const;

 protected:
  void Paint() override;
  // The caption's box in client coordinates (empty when there is no caption).
  virtual Rect captionRect(Canvas& canvas) const;
};

class TGroupBox : public TCustomGroupBox {
 public:
  explicit TGroupBox(TComponent* owner) : TCustomGroupBox(owner) {}
};

}  // namespace tavra
