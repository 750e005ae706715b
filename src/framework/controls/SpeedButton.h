#pragma once
// A windowless button with a picture: it presses with the mouse, can stay down in a group
// (GroupIndex) and, when flat, shows its border only while the mouse is over it.
#include "framework/controls/ButtonGlyph.h"
#include "framework/core/CustomControl.h"

namespace tavra {

class TSpeedButton : public TGraphicControl {
 public:
  explicit TSpeedButton(TComponent* owner);

  const Bitmap& glyph() const { return glyph_.glyph(); }
  void setGlyph(Bitmap b);
  int numGlyphs() const { return glyph_.numGlyphs(); }
  void setNumGlyphs(int n);
  TButtonLayout layout() const { return layout_; }
  void setLayout(TButtonLayout l);
  int margin() const { return margin_; }
  void setMargin(int m);
  int spacing() const { return spacing_; }
  void setSpacing(int s);
  bool flat() const { return flat_; }
  void setFlat(bool f);
  bool down() const { return down_; }
  void setDown(bool d);
  int groupIndex() const { return groupIndex_; }
  void setGroupIndex(int g) { groupIndex_ = g; }
  bool allowAllUp() const { return allowAllUp_; }
  void setAllowAllUp(bool a) { allowAllUp_ = a; }
  bool mouseInControl() const { return mouseInControl_; }
  // The look right now: up, disabled, pressed or held down.
  TButtonState state() const;
  const TButtonGlyph& buttonGlyph() const { return glyph_; }

  void WndProc(TMessage& msg) override;
  void Click() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;

 private:
  void releaseGroup();
  TButtonGlyph glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  bool flat_ = false;
  bool down_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool pressing_ = false;     // the left button went down on us and is held
  bool pressedLook_ = false;  // held and over the button
  bool mouseInControl_ = false;
};

}  // namespace tavra
