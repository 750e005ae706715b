#include "skin/manager/SkinChoice.h"

#include "base/Files.h"
#include "skin/data/SkinSource.h"
#include "skin/data/TsStoredSkins.h"
#include "skin/manager/SkinPaths.h"

namespace tavra {

std::string findSkinPackage(std::string_view skinDirectory, std::string_view name) {
  std::string found = findPathIgnoringCase(skinPackagePath(skinDirectory, name));
  return !found.empty() && fileExists(found) ? found : std::string();
}

SkinChoice chooseSkin(const SkinChoiceQuery& query) {
  if (std::string package = findSkinPackage(query.skinDirectory, query.name); !package.empty()) {
    return SkinChoice{.origin = SkinOrigin::Package, .path = std::move(package), .name = std::string(query.name)};
  }
  return chooseUnpackedOrInternalSkin(query);
}

SkinChoice chooseUnpackedOrInternalSkin(const SkinChoiceQuery& query) {
  const std::string folder = std::string(query.resolvedSkinDirectory) + "/" + std::string(query.name);
  if (std::string options = findPathIgnoringCase(folder + "/Options.dat"); !options.empty() && fileExists(options)) {
    return SkinChoice{.origin = SkinOrigin::Folder, .path = folderOf(options), .name = std::string(query.name)};
  }
  if (const TsStoredSkin* exact = query.internalSkins.find(query.name)) {
    return SkinChoice{.origin = SkinOrigin::Internal, .internal = exact, .name = exact->Name};
  }
  if (!query.internalSkins.empty()) {
    const TsStoredSkin& first = query.internalSkins.items().front();
    return SkinChoice{.origin = SkinOrigin::FirstInternal, .internal = &first, .name = first.Name};
  }
  return SkinChoice{.origin = SkinOrigin::None, .name = std::string(query.name)};
}

}  // namespace tavra
