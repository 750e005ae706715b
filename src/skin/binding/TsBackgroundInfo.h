#pragma once
// What a child hands its parent with SKC_GETBG to learn what lies behind it, and the parent's
// answer: nothing yet, a plain colour, or its composed bitmap with the child's place in it.
// With PaintInto the child wants the background painted into TargetDC at Rect instead.
#include <cstdint>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

class Canvas;

enum class BackgroundKind : std::uint8_t { None = 0, Color = 1, Bitmap = 2 };

struct TsBackgroundInfo {
  const tavra::Bitmap* Bitmap = nullptr;  // the parent's cache when Kind is Bitmap
  tavra::Color Color = clFuchsia;         // when Kind is Color; clFuchsia: not known
  int OffsetX = 0;                        // the child's top-left in Bitmap
  int OffsetY = 0;
  tavra::Rect Rect;                       // area of TargetDC to paint when PaintInto
  BackgroundKind Kind = BackgroundKind::None;
  bool PaintInto = false;
  Canvas* TargetDC = nullptr;
};

}  // namespace tavra
