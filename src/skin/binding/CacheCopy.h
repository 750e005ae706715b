#pragma once
// Putting a container's composed cache on screen without painting over its children: the cache
// is copied around what the children paint themselves, so nothing is drawn twice (no flicker).
#include <cstdint>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"

namespace tavra {

class SkinModel;
class TWinControl;
class Window;

// The button style of a group box window (in the low bits of its style) and the command a group
// box window answers with the height of its caption band.
constexpr std::uint32_t kButtonTypeMask = 0x0F;
constexpr std::uint32_t kGroupBoxButtonStyle = 0x07;
constexpr unsigned kGroupBoxCaptionHeightCommand = 27;

// Copies `cache` from `source` onto `target` over `targetRect` (the container's client
// coordinates), leaving out the rectangle of every visible child of `container` that overlaps
// `targetRect` and is windowless or opaque, and of every child in design.
void CopyCache(const TWinControl& container, const Bitmap& cache, Point source, Canvas& target, const Rect& targetRect);

// Copies `cache` from `source` onto `target` over `targetRect`, leaving out every visible child
// window of `container`; a group box window (not transparent) leaves out only its frame: the
// caption band it names and the left, right and bottom bands as wide as the borders of the
// skin's GROUPBOX border mask (none without `model` or the mask).
void CopyCacheAroundWindows(const Window& container, const Bitmap& cache, Point source, Canvas& target,
                            const Rect& targetRect, const SkinModel* model);

}  // namespace tavra
