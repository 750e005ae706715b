#include "skin/hints/TsHintKind.h"

#include <algorithm>
#include <cmath>

#include "skin/hints/TsHintManager.h"

namespace tavra {

TsHintKind::TsHintKind(TsHintManager& manager) : manager_(manager) {}

void TsHintKind::setStyle(TsHintStyle style) {
  style_ = style;
  manager_.ApplyStyle(style);
}

bool TsHintKind::ShadowEnabled() const { return shadowEnabled_ && !manager_.UsesSkinData(); }

int TsHintKind::EffectiveShadowTransparency() const {
  const double t = (100.0 - ShadowTransparency) * std::max(0, Transparency) / 100.0 + ShadowTransparency;
  return static_cast<int>(std::nearbyint(t));
}

}  // namespace tavra
