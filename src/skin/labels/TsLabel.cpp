#include "skin/labels/TsLabel.h"

namespace tavra {

void TsLabel::setUseSkinColor(bool u) {
  if (u == useSkinColor_) return;
  useSkinColor_ = u;
  Invalidate();
}

Font TsLabel::currentFont() const {
  if (useSkinColor_ && !isDestroying()) return TsCustomLabel::currentFont();
  return font();
}

}  // namespace tavra
