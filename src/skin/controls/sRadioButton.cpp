#include "skin/controls/sRadioButton.h"

#include <algorithm>

#include "skin/data/SkinModel.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

int TsRadioButton::markMask() const {
  const SkinModel* model = SkinData.model();
  if (!model || !SkinData.section()) return -1;
  const TsCommonIndices& ci = model->CommonIndices;
  int index = !enabled() ? ci.RadioGrayed : checked() ? ci.RadioChecked : ci.RadioUnchecked;
  // A skin without a greyed mark shows the plain one.
  if (!enabled() && !model->IsValidMask(index)) index = checked() ? ci.RadioChecked : ci.RadioUnchecked;
  return model->IsValidMask(index) ? index : -1;
}

Rect TsRadioButton::markRect() const {
  Size size{kMarkSize, kMarkSize};
  if (const SkinModel* model = SkinData.model(); model && markMask() >= 0) {
    const MaskFrame f = maskFrame(*model, markMask(), 0);
    if (f.valid()) size = {f.frameWidth, f.frameHeight};
  }
  return Rect::fromSize(0, (height() - size.height) / 2, size.width, size.height);
}

Rect TsRadioButton::captionRect(Canvas& c) const {
  const int left = markRect().right + 5;
  Rect r{left, 0, left, 0};
  c.drawText(caption().empty() ? " " : caption(), r, DT_SINGLELINE | DT_CALCRECT);
  const int top = (height() - r.height()) / 2;
  return Rect::fromSize(left - 1, top - 1, r.width() + 2, r.height() + 2);
}

void TsRadioButton::Paint() {
  // Checking or unchecking changes the look without any message to the binding.
  if (checked() != composedChecked_) SkinData.BackgroundDirty = true;
  TsSkinnedControl::Paint();
}

void TsRadioButton::paintContent(Canvas& c, int state) {
  composedChecked_ = checked();
  const Rect mark = markRect();
  const int mask = markMask();
  if (mask >= 0) {
    c.writeRows([&](const ClippedRows& rows) {
      DrawMaskImage(rows, mark.topLeft(), enabled() ? state : 0, viewOfTarget(rows), *SkinData.model(), mask, MaskOpacity::Opaque);
    });
  } else {
    // A skin without marks: a ring in the text colour around the section's colour.
    const Color ink = SkinData.section()->FontColor[0];
    c.fillEllipse(mark, ink);
    c.fillEllipse(mark.inflatedBy(-1, -1), SkinData.StateColor(state));
    if (checked()) c.fillEllipse(mark.inflatedBy(-4, -4), ink);
  }
  c.setBackgroundMode(BackgroundMode::Transparent);
  const Rect text = captionRect(c);
  WriteSkinText(c, caption(), enabled(), state != 0, SkinData, DT_SINGLELINE | DT_VCENTER, text.inflatedBy(-1, -1));
  if (focused()) c.writeRows([&](const ClippedRows& rows) { DrawFocusFrame(rows, text); });
}

}  // namespace tavra
