#pragma once
// A push button with a picture beside its caption.
#include "framework/controls/Button.h"
#include "framework/controls/ButtonGlyph.h"

namespace tavra {

class TBitBtn : public TButton {
 public:
  explicit TBitBtn(TComponent* owner);

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
  const TButtonGlyph& buttonGlyph() const { return glyph_; }

 protected:
  void Paint() override;

 private:
  TButtonGlyph glyph_;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
};

}  // namespace tavra
