#include "skin/controls/GroupBoxLook.h"

#include <algorithm>

#include "framework/core/Control.h"
#include "gfx/Canvas.h"
#include "skin/data/SkinModel.h"
#include "skin/binding/BackgroundProtocol.h"
#include "skin/binding/BindingPainting.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/binding/TsCommonData.h"

namespace tavra {

Rect GroupBoxLook::captionRect(int width, Size text, TsCaptionLayout layout, int yOffset, bool rightToLeft) {
  const int w = text.width;
  int left = 0;
  if (layout == TsCaptionLayout::clTopLeft || (layout == TsCaptionLayout::clTopRight && rightToLeft)) {
    left = 6;
  } else if (layout == TsCaptionLayout::clTopCenter) {
    left = (width - w - 10) / 2;
  } else {
    left = width - w - 14;
  }
  left = std::max(left, 0);
  const int right = std::min(left + w + 8, std::max(width, 0));
  // A negative offset lifts the caption: its top moves up with its bottom.
  const int top = std::min(yOffset, 0);
  const int bottom = std::max(4, text.height) + 2 + yOffset;
  return {left, top, std::max(right, left), std::max(bottom, top)};
}

Rect GroupBoxLook::captionRectFor(int width, const std::string& caption, const Font& font) const {
  Bitmap scratch(1, 1);
  Canvas c(scratch);
  c.setFont(font);
  const Size text{c.textWidth(caption), c.textExtent("W").height};
  return captionRect(width, text, layout, yOffset);
}

void GroupBoxLook::compose(TsCommonData& binding, const std::string& caption, const Font& font, bool captionHot) const {
  const SkinModel* model = binding.model();
  if (!model || !binding.section()) return;
  TControl& owner = binding.owner();
  binding.EnsureCache();
  Bitmap& cache = binding.CacheBitmap;
  const int width = cache.width();
  const int height = cache.height();
  if (width <= 0 || height <= 0) return;
  const TsCacheView parent = ParentViewOf(owner);
  const Rect textBox = captionRectFor(width, caption, font);
  const int captionHeight = textBox.bottom;

  // The band beside the caption shows whatever lies behind the box.
  const Rect band{0, 0, width, std::clamp(captionHeight, 0, height)};
  Color parentColour = parent.FillColor;
  if (parentColour == clFuchsia) parentColour = ParentColorOf(owner.parent());
  cache.fillRect(band, pixelFromColor(parentColour));
  if (parent.Ready && parent.Bitmap) cache.copyFrom(*parent.Bitmap, Rect::fromSize(parent.X, parent.Y, width, band.bottom), 0, 0);

  // The frame starts half the caption's height down, at the top with a lifted caption.
  const int frameTop = yOffset < 0 ? 0 : std::clamp(captionHeight / 2, 0, height);
  PaintSection(binding, parent, CentreFill::Yes, 0, cache, {0, 0}, Rect{0, frameTop, width, height});
  if (caption.empty()) return;

  // The caption's own section, or the check box's over a parent bitmap, or the parent colour.
  const Rect box = textBox.intersected(cache.bounds());
  int captionSection = captionSkin.empty() ? -1 : model->FindSection(captionSkin);
  if (captionSkin.empty() && parent.Ready && parent.Bitmap) captionSection = model->FindSection("CHECKBOX");
  if (model->IsValidSection(captionSection)) {
    const ClippedRows rows(cache);
    const TsCacheView under = viewOfTarget(rows);
    PaintSection(*model, captionSection, under, -1, -1, rows, {0, 0}, box, captionHot ? 1 : 0, CentreFill::Yes);
  } else {
    cache.fillRect(box, pixelFromColor(parentColour));
  }
  Canvas c(cache);
  c.setFont(font);
  c.setBackgroundMode(BackgroundMode::Transparent);
  WriteSkinText(c, caption, owner.enabled(), false, binding, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX, box);
}

}  // namespace tavra
