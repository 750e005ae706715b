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
//
// A skin is not trusted: a mask whose frame (with its opacity rows) does not lie whole in its
// source has no frame, and its border widths are cut to the frame, so every piece a painter
// takes from a valid frame lies in the picture.
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
  // The frame's pixels in `source` (without the opacity rows).
  Rect rect() const { return Rect::fromSize(origin.x, origin.y, frameWidth, frameHeight); }
};

// Whether a picture holds the whole of `part`: what the read sites assert before reading.
inline bool pictureHolds(const Bitmap& picture, const Rect& part) {
  return part.isEmpty() || picture.bounds().contains(part);
}

// The frame of `maskIndex` shown in `state`; not valid for an invalid index, a mask without an
// owner or without frames, or a source that does not hold the frame and its opacity rows. The
// sizes are worked out in 64 bits: a rectangle from a skin may span more than an int.
inline MaskFrame maskFrame(const SkinModel& model, int maskIndex, int state) {
  if (!model.IsValidMask(maskIndex)) return {};
  const TsMaskData& m = model.Masks[static_cast<size_t>(maskIndex)];
  if (!m.Owner || m.ImageCount <= 0) return {};
  const Bitmap* source = m.Image ? m.Image.get() : &model.MasterBitmap;
  const long long width = static_cast<long long>(m.Rect.right) - m.Rect.left;
  const long long height = static_cast<long long>(m.Rect.bottom) - m.Rect.top;
  const bool alpha = m.MaskType > 0;
  const long long frameWidth = width / m.ImageCount;
  const long long frameHeight = height / (std::max<int>(m.MaskType, 0) + 1);
  if (frameWidth <= 0 || frameHeight <= 0) return {};
  const int frame = std::clamp(state, 0, m.ImageCount - 1);
  const long long left = m.Rect.left + frame * frameWidth;
  const long long top = m.Rect.top;
  // The whole frame (and its opacity rows) must lie in the source.
  if (left < 0 || top < 0 || left + frameWidth > source->width() ||
      top + frameHeight * (alpha ? 2 : 1) > source->height()) {
    return {};
  }
  MaskFrame f;
  f.mask = &m;
  f.source = source;
  f.frameWidth = static_cast<int>(frameWidth);
  f.frameHeight = static_cast<int>(frameHeight);
  f.origin = {static_cast<int>(left), static_cast<int>(top)};
  f.alpha = alpha;
  return f;
}

// The four border widths of a nine-part mask or of a frame's corners.
struct BorderWidths {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Two opposite widths (each at least 0) that together exceed `size`: both lose half the excess
// and the second one pixel more for an odd one; a width that would fall below 0 leaves the whole
// of `size` to the other, so that both lie in `size`.
inline void fitOppositeWidths(int& first, int& second, int size) {
  size = std::max(size, 0);
  if (first + second <= size) return;
  const int excess = first + second - size;
  first -= excess / 2;
  second -= excess / 2 + excess % 2;
  if (second < 0) {
    first = size;
    second = 0;
  } else if (first < 0) {
    first = 0;
    second = size;
  }
}

// The mask's WL, WT, WR, WB cut to a valid frame: none below 0 or beyond the frame, left + right
// no wider and top + bottom no higher than it. Pieces cut by these widths lie in the frame.
inline BorderWidths frameBorderWidths(const MaskFrame& f) {
  if (!f.valid()) return {};
  const TsMaskData& m = *f.mask;
  BorderWidths w{std::clamp<int>(m.WL, 0, f.frameWidth), std::clamp<int>(m.WT, 0, f.frameHeight),
                 std::clamp<int>(m.WR, 0, f.frameWidth), std::clamp<int>(m.WB, 0, f.frameHeight)};
  fitOppositeWidths(w.left, w.right, f.frameWidth);
  fitOppositeWidths(w.top, w.bottom, f.frameHeight);
  return w;
}

}  // namespace tavra
