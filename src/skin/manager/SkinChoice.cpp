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

SkinChoice chooseUnpackedOrInternalSkin(const SkinChoiceQuery& query) {
  const std::string folder = std::string(query.resolvedSkinDirectory) + "/" + std::string(query.name);
  if (std::string options = findPathIgnoringCase(folder + "/Options.dat"); !options.empty() && fileExists(options)) {
    return SkinChoice{.origin = SkinOrigin::Folder, .path = folderOf(options), .name = std::string(query.name)};
  }
  if (const TsStoredSkin* exact = query.internalSkins.find(query.name)) {
    return SkinChoice{.origin = SkinOrigin::Internal, .path = {}, .internal = exact, .name = exact->Name};
  }
  if (!query.internalSkins.empty()) {
    const TsStoredSkin& first = query.internalSkins.items().front();
    return SkinChoice{.origin = SkinOrigin::FirstInternal, .path = {}, .internal = &first, .name = first.Name};
  }
  return SkinChoice{.origin = SkinOrigin::None, .path = {}, .internal = nullptr, .name = std::string(query.name)};
}

}  // namespace tavra
