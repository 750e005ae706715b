#include "skin/manager/SkinModelLoad.h"

#include <cassert>
#include <optional>

#include "skin/data/SkinLoader.h"
#include "skin/data/SkinSource.h"
#include "skin/data/TsStoredSkins.h"
#include "skin/manager/SkinChoice.h"

namespace tavra {
Result<LoadedSkinModel> loadSkinModel(const SkinChoice& choice, const SkinLoadSettings& settings) {
  assert(choice.origin != SkinOrigin::None);
  LoadedSkinModel loaded{.model = std::make_unique<SkinModel>()};
  std::optional<SkinSource> source;
  switch (choice.origin) {
    case SkinOrigin::Package: {
      auto opened = SkinSource::fromPackageFile(choice.path);
      if (!opened) return Error{opened.error()};
      if (opened->rejected()) return LoadedSkinModel{.model = nullptr, .isPacked = false, .rejected = true};
      source = std::move(opened.value());
      loaded.model->SkinData.SkinPath = settings.resolvedSkinDirectory + "/";
      break;
    }
    case SkinOrigin::Folder: {
      auto opened = SkinSource::fromFolder(choice.path);
      if (!opened) return Error{opened.error()};
      source = std::move(opened.value());
      loaded.model->SkinData.SkinPath = source->skinPath;
      break;
    }
    case SkinOrigin::Internal:
    case SkinOrigin::FirstInternal: {
      if (choice.internal->Data.empty()) break;  // described by its stored collections
      auto opened = SkinSource::fromPackageBytes(choice.internal->Data);
      if (!opened) return Error{opened.error()};
      if (opened->rejected()) return LoadedSkinModel{.model = nullptr, .isPacked = false, .rejected = true};
      source = std::move(opened.value());
      break;
    }
    case SkinOrigin::None:
      return Error{"no skin to load"};
  }

  SkinLoadInput input = source ? source->loadInput() : SkinLoadInput{};
  input.SkinName = choice.name;
  input.InternalSkins = settings.internalSkins;
  input.CommonSections = settings.commonSections;
  input.HueOffset = settings.hueOffset;
  input.Saturation = settings.saturation;
  loaded.isPacked = input.IsPacked();
  if (SkinStatus status = SkinLoader(*loaded.model, std::move(input)).LoadAll(); !status) return Error{status.error()};
  loaded.model->CacheCommonIndices();
  return loaded;
}

}  // namespace tavra
