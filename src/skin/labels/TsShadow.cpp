#include "skin/labels/TsShadow.h"

#include "framework/core/Control.h"

namespace tavra {

void TsShadow::setMode(TsShadowMode m) {
  if (m == mode_) return;
  mode_ = m;
  changed();
}

void TsShadow::setColor(Color c) {
  if (c == color_) return;
  color_ = c;
  changed();
}

void TsShadow::setBlurCount(std::int32_t b) {
  if (b == blurCount_) return;
  blurCount_ = b;
  changed();
}

void TsShadow::setDistance(std::int32_t d) {
  if (d == distance_) return;
  distance_ = d;
  changed();
}

void TsShadow::changed() { owner_.Invalidate(); }

}  // namespace tavra
