#include "skin/hints/HintSkinLook.h"

#include <algorithm>

#include "gfx/Region.h"
#include "skin/primitives/BorderMask.h"
#include "skin/primitives/SectionPainting.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {
namespace {

// The colour a skin-drawn mask marks the outside with before it becomes white.
constexpr Color kOutsideMarker = clFuchsia - 1;

}  // namespace

int HintSkinBorderWidth(const SkinModel& model, int borderMaskIndex, int side) {
  if (borderMaskIndex < 0 || !model.IsValidMask(borderMaskIndex)) return 0;
  const TsMaskData& mask = model.Masks[static_cast<size_t>(borderMaskIndex)];
  if (mask.BorderWidth > 0) return mask.BorderWidth;
  const int own[4] = {mask.WL, mask.WT, mask.WR, mask.WB};
  if (own[side & 3] > 0) return own[side & 3];
  if (side == 0 || side == 2) return mask.Rect.width() / (std::max<int>(1, mask.ImageCount) * 3);
  return mask.Rect.height() / ((std::max<int>(0, mask.MaskType) + 1) * 3);
}

Bitmap HintSkinMask(const SkinModel& model, const HintSkinIndices& indices, Size size) {
  Bitmap mask = NewBitmap24(size.width, size.height);
  if (!model.IsValidSection(indices.section)) {
    mask.fill(pixelFromColor(clBlack));
    return mask;
  }
  const TsCacheView empty{.FillColor = kOutsideMarker, .Ready = false};
  const Rect all = mask.bounds();
  PaintSectionBackground(model, indices.section, empty, clFuchsia, indices.pattern, indices.pattern, mask, {0, 0}, all, 0);
  Region shape(all);
  if (model.IsValidMask(indices.borderMask)) {
    DrawBorderMask(mask, all, CentreFill::Yes, CornersFromParent::Yes, 0, model, indices.borderMask, empty);
    // The transparent pixels of the border's corners round the shape off; elsewhere they show
    // the section's background.
    Bitmap scratch = NewBitmap24(size.width, size.height);
    DrawBorderMaskShaping(scratch, all, CentreFill::Yes, 0, model, indices.borderMask, shape);
    const BorderWidths bw = borderWidthsAround(model, indices.borderMask, 0, size);
    Region between(all);
    between.subtract(Rect{0, 0, bw.left, bw.top});
    between.subtract(Rect{all.right - bw.right, 0, all.right, bw.top});
    between.subtract(Rect{0, all.bottom - bw.bottom, bw.left, all.bottom});
    between.subtract(Rect{all.right - bw.right, all.bottom - bw.bottom, all.right, all.bottom});
    shape.unite(between);
  }
  const Pixel marker = pixelFromColor(kOutsideMarker) & 0x00FFFFFFu;
  const Pixel white = pixelFromColor(clWhite), black = pixelFromColor(clBlack);
  for (int y = 0; y < mask.height(); ++y) {
    Pixel* row = mask.row(y);
    for (int x = 0; x < mask.width(); ++x) {
      const bool outside = (row[x] & 0x00FFFFFFu) == marker || !shape.contains({x, y});
      row[x] = outside ? white : black;
    }
  }
  return mask;
}

void PaintHintSkinBody(Bitmap& body, const SkinModel& model, const HintSkinIndices& indices, const Bitmap* capture) {
  if (!model.IsValidSection(indices.section)) return;
  TsCacheView view;
  if (capture) view = TsCacheView{.Bitmap = capture, .FillColor = clFuchsia, .Ready = true};
  const Rect all = body.bounds();
  PaintSectionBackground(model, indices.section, view, clFuchsia, indices.pattern, indices.pattern, body, {0, 0}, all, 0);
  if (model.IsValidMask(indices.borderMask)) {
    DrawBorderMask(body, all, CentreFill::Yes, CornersFromParent::Yes, 0, model, indices.borderMask, view);
  }
}

}  // namespace tavra
