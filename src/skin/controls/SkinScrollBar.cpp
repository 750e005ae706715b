#include "skin/controls/SkinScrollBar.h"

#include "framework/controls/ScrollBar.h"
#include "skin/data/SkinModel.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {
namespace {

// One part in `r` of the bar's picture (bar coordinates), its glyph centred on it.
void paintPart(Bitmap& picture, const Rect& r, const SkinModel& model, int section, int glyph, int state) {
  if (r.isEmpty() || !model.IsValidSection(section)) return;
  const ClippedRows rows(picture);
  PaintSection(model, section, viewOfTarget(rows), -1, -1, rows, {0, 0}, r, state, CentreFill::Yes);
  const MaskFrame f = maskFrame(model, glyph, state);
  if (!f.valid()) return;
  const Point at{r.left + (r.width() - f.frameWidth) / 2, r.top + (r.height() - f.frameHeight) / 2};
  DrawMaskImage(rows, at, state, viewOfTarget(rows), model, glyph, MaskOpacity::Opaque);
}

}  // namespace

void PaintSkinScrollBar(Canvas& c, const ScrollBar& bar, const SkinModel& model) {
  const Rect whole = bar.barRect();
  if (whole.isEmpty()) return;
  const TsCommonIndices& ci = model.CommonIndices;
  const bool vertical = bar.orientation() == ScrollBar::Orientation::Vertical;
  const int track = vertical ? ci.ScrollBar1V : ci.ScrollBar1H;
  if (!model.IsValidSection(track)) {
    bar.paintPlain(c);
    return;
  }
  // The framework's look first, so that a part the skin lacks still shows.
  Bitmap picture = NewBitmap24(whole.width(), whole.height());
  {
    Canvas own(picture);
    own.setOrigin({-whole.left, -whole.top});
    bar.paintPlain(own);
  }
  auto local = [&](ScrollBar::Part part) { return bar.partRect(part).offsetBy(-whole.left, -whole.top); };
  auto stateOf = [&](ScrollBar::Part part) { return bar.pressedPart() == part ? 2 : 0; };
  const ClippedRows rows(picture);
  PaintSection(model, track, viewOfTarget(rows), -1, -1, rows, {0, 0}, picture.bounds(), 0, CentreFill::Yes);
  using Part = ScrollBar::Part;
  paintPart(picture, local(Part::LineBack), model, vertical ? ci.ScrollBtnTop : ci.ScrollBtnLeft,
            vertical ? ci.ScrollBtnTopGlyph : ci.ScrollBtnLeftGlyph, stateOf(Part::LineBack));
  paintPart(picture, local(Part::LineForward), model, vertical ? ci.ScrollBtnBottom : ci.ScrollBtnRight,
            vertical ? ci.ScrollBtnBottomGlyph : ci.ScrollBtnRightGlyph, stateOf(Part::LineForward));
  if (bar.scrollable()) {
    paintPart(picture, local(Part::Thumb), model, vertical ? ci.SliderV : ci.SliderH, vertical ? ci.SliderVGlyph : ci.SliderHGlyph,
              stateOf(Part::Thumb));
  }
  c.drawBitmap(whole.topLeft(), picture);
}

bool PaintSkinScrollCorner(Canvas& c, const Rect& corner, const SkinModel& model) {
  const int track = model.CommonIndices.ScrollBar1V;
  if (corner.isEmpty() || !model.IsValidSection(track)) return false;
  Bitmap picture = NewBitmap24(corner.width(), corner.height());
  const ClippedRows rows(picture);
  PaintSection(model, track, viewOfTarget(rows), -1, -1, rows, {0, 0}, picture.bounds(), 0, CentreFill::Yes);
  c.drawBitmap(corner.topLeft(), picture);
  return true;
}

}  // namespace tavra
