#include "skin/data/TsStoredSkins.h"

namespace tavra {

const TsStoredSkin* TsStoredSkins::find(std::string_view name) const {
  for (const TsStoredSkin& skin : items_) {
    if (skin.Name == name) return &skin;
  }
  return nullptr;
}

}  // namespace tavra
