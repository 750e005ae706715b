#include "skin/paint/TsLabel.h"

namespace tavra {

void TsLabel::setUseSkinColor(bool u) {
  if (u == useSkinColor_) return;
  useSkinColor_ = u;
  Invalidate();
}

const Font& TsLabel::currentFont() {
  if (useSkinColor_ && !isDestroying()) return TsCustomLabel::currentFont();
  return font();
}

}  // namespace tavra
