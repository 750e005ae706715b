#include "skin/labels/TsKind.h"

#include "framework/core/Control.h"

namespace tavra {

void TsKind::setKindType(TsKindType k) {
  if (k == kindType_) return;
  kindType_ = k;
  owner_.Invalidate();
}

void TsKind::setColor(Color c) {
  if (c == color_) return;
  color_ = c;
  owner_.Invalidate();
}

}  // namespace tavra
