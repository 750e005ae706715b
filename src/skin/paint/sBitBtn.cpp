#include "skin/paint/sBitBtn.h"

#include "skin/data/TsGeneralData.h"
#include "skin/paint/SkinPixels.h"

namespace tavra {

void TsBitBtn::setShowFocus(bool on) {
  if (on == showFocus_) return;
  showFocus_ = on;
  Invalidate();
}

void TsBitBtn::setFocusMargin(int margin) {
  if (margin == focusMargin_) return;
  focusMargin_ = margin;
  Invalidate();
}

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
    const TsGeneralData* section = SkinData.section();
    if (enabled() && focused() && showFocus_ && section && section->ShowFocus) {
      const Rect frame = placed.text.offsetBy(offset).inflatedBy(focusMargin_, focusMargin_);
      c.writeRows([&](const ClippedRows& rows) { DrawFocusFrame(rows, frame); });
    }
  }
}

}  // namespace tavra
