#pragma once
// Where the frames of a skin mask lie: the source image (the mask's own or the skin's master
// bitmap), the frame size and the top-left of the frame shown in a state. Frame n starts n frame
// widths right of the mask's rectangle; a state past the last frame shows the last.
//
//   Rect of a mask with ImageCount 3 and MaskType 1 (an alpha mask):
//   +--------+--------+--------+
//   | frame0 | frame1 | frame2 |   fh = height / 2
//   +--------+--------+--------+
//   | alpha0 | alpha1 | alpha2 |   per-channel opacity of the pixel above
//   +--------+--------+--------+
#include <algorithm>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "skin/data/SkinModel.h"

namespace tavra {

struct MaskFrame {
  const TsMaskData* mask = nullptr;
  const Bitmap* source = nullptr;
  int frameWidth = 0;
  int frameHeight = 0;
  Point origin;            // top-left of the frame in `source`
  bool alpha = false;      // MaskType is not 0: the opacity lies frameHeight below each pixel
  bool valid() const { return mask && source && frameWidth > 0 && frameHeight > 0; }
};

// The frame of `maskIndex` shown in `state`; not valid for an invalid index, a mask without an
// owner or without frames, or a source that does not hold the mask's rectangle.
inline MaskFrame maskFrame(const SkinModel& model, int maskIndex, int state) {
  if (!model.IsValidMask(maskIndex)) return {};
  const TsMaskData& m = model.Masks[static_cast<size_t>(maskIndex)];
  if (!m.Owner || m.ImageCount <= 0) return {};
  MaskFrame f;
  f.mask = &m;
  f.source = m.Image ? m.Image.get() : &model.MasterBitmap;
  f.frameWidth = m.Rect.width() / m.ImageCount;
  f.frameHeight = m.Rect.height() / (std::max<int>(m.MaskType, 0) + 1);
  f.alpha = m.MaskType > 0;
  const int frame = std::clamp(state, 0, m.ImageCount - 1);
  f.origin = {m.Rect.left + frame * f.frameWidth, m.Rect.top};
  // The whole frame (and its opacity rows) must lie in the source.
  const Rect needed = Rect::fromSize(f.origin.x, f.origin.y, f.frameWidth, f.frameHeight * (f.alpha ? 2 : 1));
  if (!f.source->bounds().contains(needed)) return {};
  return f;
}

}  // namespace tavra
