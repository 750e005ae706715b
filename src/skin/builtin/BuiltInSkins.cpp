#include "skin/builtin/BuiltInSkins.h"

#include "skin/builtin/EmbeddedSkinPackages.h"

namespace tavra {

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
