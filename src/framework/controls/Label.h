#pragma once
// A text label painted by its parent: auto-size, word wrap, alignment, vertical layout,
// transparency and the accelerator character.
#include "framework/core/CustomControl.h"

namespace tavra {

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* owner);

  bool autoSize() const { return autoSize_; }
  void setAutoSize(bool a);
  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool w);
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment a);
  TTextLayout layout() const { return layout_; }
  void setLayout(TTextLayout l);
  bool transparent() const { return transparent_; }
  void setTransparent(bool t);
  bool showAccelChar() const { return showAccelChar_; }
  void setShowAccelChar(bool s);

 protected:
  void Paint() override;
  void AdjustSize() override;
  // The text as drawn (an empty caption measures as a space, as the platform's labels do).
  virtual std::string labelText() const;
  unsigned drawTextFlags() const;
  // Draws (or with DT_CALCRECT measures) the caption in `r`.
  virtual void DoDrawText(Canvas& canvas, Rect& r, unsigned flags);

 private:
  bool autoSize_ = true;
  bool wordWrap_ = false;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
  bool transparent_ = false;
  bool showAccelChar_ = true;
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* owner) : TCustomLabel(owner) {}
};

}  // namespace tavra
