#include "skin/data/TsStoredSkins.h"

#include "skin/data/EmbeddedSkinPackages.h"

namespace tavra {

const TsStoredSkin* TsStoredSkins::find(std::string_view name) const {
  for (const TsStoredSkin& skin : items_) {
    if (skin.Name == name) return &skin;
  }
  return nullptr;
}

TsStoredSkins builtInSkins() {
  TsStoredSkins skins;
  for (const EmbeddedSkinPackage& package : embeddedSkinPackages()) {
    TsStoredSkin& skin = skins.add();
    skin.Name = std::string(package.name) + " (internal)";
    skin.Data.assign(package.bytes.begin(), package.bytes.end());
  }
  return skins;
}

}  // namespace tavra
