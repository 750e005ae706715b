#include "skin/data/TsMaskData.h"

#include <algorithm>

namespace tavra {

void applyWidthRule(TsMaskData& mask) {
  if (mask.WL != 0 || mask.WT != 0 || mask.WR != 0 || mask.WB != 0) return;
  if (mask.BorderWidth != 0) {
    mask.WL = mask.WT = mask.WR = mask.WB = mask.BorderWidth;
    return;
  }
  int count = std::max<int>(mask.ImageCount, 1);
  int rows = std::max<int>(mask.MaskType, 0) + 1;
  mask.WL = mask.WR = static_cast<std::int16_t>(mask.Rect.width() / (count * 3));
  mask.WT = mask.WB = static_cast<std::int16_t>(mask.Rect.height() / (rows * 3));
}

}  // namespace tavra
