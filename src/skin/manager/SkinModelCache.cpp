#include "skin/manager/SkinModelCache.h"

#include <algorithm>

#include "skin/data/SkinLoadSteps.h"
#include "skin/data/TsStoredSkin.h"
#include "skin/manager/SkinChoice.h"

namespace tavra {

std::optional<SkinModelCache::Key> SkinModelCache::keyOf(const SkinChoice& choice, const SkinLoadSettings& settings) {
  // Common sections may name loose files beside the skin, whose changes no key would see.
  if (!settings.commonSections.empty()) return std::nullopt;
  Key key;
  key.name = choice.name;
  key.resolvedSkinDirectory = settings.resolvedSkinDirectory;
  key.hueOffset = settings.hueOffset;
  key.saturation = settings.saturation;
  switch (choice.origin) {
    case SkinOrigin::Package: {
      std::error_code sizeError, timeError;
      key.fileSize = std::filesystem::file_size(choice.path, sizeError);
      key.fileTime = std::filesystem::last_write_time(choice.path, timeError);
      if (sizeError || timeError) return std::nullopt;
      key.packagePath = choice.path;
      return key;
    }
    case SkinOrigin::Internal:
    case SkinOrigin::FirstInternal:
      // Skins described by their stored collections are quick to build and may be edited.
      if (!choice.internal || choice.internal->Data.empty()) return std::nullopt;
      key.internalBytes = choice.internal->Data;
      return key;
    case SkinOrigin::Folder:
    case SkinOrigin::None:
      return std::nullopt;
  }
  return std::nullopt;
}

std::optional<LoadedSkinModel> SkinModelCache::find(const Key& key) {
  auto it = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.key == key; });
  if (it == entries_.end()) return std::nullopt;
  std::rotate(entries_.begin(), it, it + 1);
  return LoadedSkinModel{.model = entries_.front().model->clone(), .isPacked = entries_.front().isPacked};
}

void SkinModelCache::keep(Key key, const LoadedSkinModel& loaded) {
  // A skin newer than the reader shows its notice on every load, so it is loaded every time.
  if (!loaded.model || loaded.model->SkinData.Version > kNewestSupportedSkinVersion) return;
  std::erase_if(entries_, [&](const Entry& e) { return e.key == key; });
  if (entries_.size() >= kCapacity) entries_.pop_back();
  entries_.insert(entries_.begin(), Entry{.key = std::move(key), .model = loaded.model->clone(), .isPacked = loaded.isPacked});
}

}  // namespace tavra
