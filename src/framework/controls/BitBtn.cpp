#include "framework/controls/BitBtn.h"

#include "framework/core/Draw3D.h"

namespace tavra {

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

void TBitBtn::setGlyph(Bitmap b) {
  glyph_.setGlyph(std::move(b));
  Invalidate();
}

void TBitBtn::setNumGlyphs(int n) {
  glyph_.setNumGlyphs(n);
  Invalidate();
}

void TBitBtn::setLayout(TButtonLayout l) {
  if (l == layout_) return;
  layout_ = l;
  Invalidate();
}

void TBitBtn::setMargin(int m) {
  if (m == margin_) return;
  margin_ = m;
  Invalidate();
}

void TBitBtn::setSpacing(int s) {
  if (s == spacing_) return;
  spacing_ = s;
  Invalidate();
}

void TBitBtn::Paint() {
  Canvas& c = *canvas();
  Rect r = clientRect();
  DrawButtonFace(c, r, down() ? ButtonLook::Pressed : ButtonLook::Raised, focused() || isDefault());
  c.setFont(font());
  c.setTextColor(font().color);
  TButtonState state = !enabled() ? TButtonState::bsDisabled : down() ? TButtonState::bsDown : TButtonState::bsUp;
  Point offset = down() ? Point{1, 1} : Point{0, 0};
  Rect text = glyph_.draw(c, r.inflatedBy(-2, -2), offset, caption(), layout_, margin_, spacing_, state, 0);
  if (focused()) DrawFocusRect(c, r.inflatedBy(-4, -4));
  (void)text;
}

}  // namespace tavra
