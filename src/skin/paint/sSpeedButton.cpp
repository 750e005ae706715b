#include "skin/paint/sSpeedButton.h"

namespace tavra {

int TsSpeedButton::skinState() const {
  if (!enabled()) return 0;
  if (state() == TButtonState::bsDown || state() == TButtonState::bsExclusive) return 2;
  return SkinData.ShowsHot() ? 1 : 0;
}

void TsSpeedButton::paintContent(Canvas& c, int state) {
  const Rect client = clientRect();
  const Point offset = state == 2 ? Point{1, 1} : Point{0, 0};
  const ButtonContentLayout placed = buttonGlyph().layout(c, client, caption(), layout(), margin(), spacing());
  buttonGlyph().drawGlyph(c, placed.glyph + offset, this->state());
  if (!caption().empty()) {
    WriteSkinText(c, caption(), enabled(), state != 0, SkinData, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  placed.text.offsetBy(offset));
  }
}

}  // namespace tavra
