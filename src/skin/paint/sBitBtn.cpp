#include "skin/paint/sBitBtn.h"

namespace tavra {

int TsBitBtn::skinState() const {
  if (!enabled()) return 0;
  if (down()) return 2;
  return SkinData.ShowsHot() ? 1 : 0;
}

void TsBitBtn::paintContent(Canvas& c, int state) {
  const Rect client = clientRect().inflatedBy(-2, -2);
  const Point offset = state == 2 ? Point{1, 1} : Point{0, 0};
  const ButtonContentLayout placed = buttonGlyph().layout(c, client, caption(), layout(), margin(), spacing());
  const TButtonState look = !enabled() ? TButtonState::bsDisabled : state == 2 ? TButtonState::bsDown : TButtonState::bsUp;
  buttonGlyph().drawGlyph(c, placed.glyph + offset, look);
  if (!caption().empty()) {
    WriteSkinText(c, caption(), enabled(), state != 0, SkinData, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  placed.text.offsetBy(offset));
  }
}

}  // namespace tavra
