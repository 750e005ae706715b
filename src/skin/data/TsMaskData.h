#pragma once
// One image reference of a skin: a region of the master bitmap or an image of its own, with its
// frame layout and border widths.
//
//   Rect of a mask with ImageCount 3 and MaskType 1:
//   +--------+--------+--------+
//   | state0 | state1 | state2 |   pictures, one frame each (Width / ImageCount wide)
//   +--------+--------+--------+
//   | mask0  | mask1  | mask2  |   alpha rows under the pictures (MaskType 1 only)
//   +--------+--------+--------+
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavra {

class SkinModel;

enum class TacImgType : std::uint8_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3 };

struct TsMaskData {
  std::unique_ptr<Bitmap> Image;  // own image, or none for a region of the master bitmap
  std::string SectionName;
  std::string PropertyName;
  tavra::Rect Rect;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  const SkinModel* Owner = nullptr;  // the model (of the manager) that loaded the mask
  std::int16_t WL = 0;
  std::int16_t WT = 0;
  std::int16_t WR = 0;
  std::int16_t WB = 0;
};

using TsMaskArray = std::vector<TsMaskData>;

// Border widths unless given: BorderWidth for all four when it is set, otherwise a third of a
// frame's width and height. Counts below 1 (and mask types below 0) are taken as 1 (and 0).
void applyWidthRule(TsMaskData& mask);

}  // namespace tavra
