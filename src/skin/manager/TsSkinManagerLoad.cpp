// The skin manager's changing of the skin: finding the skin named, loading it into a new model
// (or taking it from the cache), and giving the settings back when a load fails.
#include "skin/manager/TsSkinManager.h"

#include <exception>
#include <optional>
#include <utility>

#include "base/Result.h"
#include "framework/core/Application.h"
#include "skin/manager/SkinChoice.h"
#include "skin/manager/SkinModelLoad.h"
#include "skin/manager/SkinProcessState.h"

namespace tavra {

TsSkinManager::Settings TsSkinManager::settings() const {
  return Settings{.skinName = skinName_,
                  .active = active_,
                  .headerActive = model_->SkinData.Active,
                  .isPacked = isPacked_,
                  .hueOffset = hueOffset_,
                  .saturation = saturation_,
                  .commonSections = commonSections_};
}

void TsSkinManager::restore(const Settings& before) {
  skinName_ = before.skinName;
  active_ = before.active;
  model_->SkinData.Active = before.headerActive;
  isPacked_ = before.isPacked;
  hueOffset_ = before.hueOffset;
  saturation_ = before.saturation;
  commonSections_ = before.commonSections;
}

void TsSkinManager::fail(const Settings& before, const std::string& message) {
  restore(before);
  // Loading from stored settings has no event handler to end: the error box is shown here.
  if (!isLoading()) throw Exception(message);
  if (TApplication::exists()) Application().HandleException(Exception(message));
}

void TsSkinManager::changeSkin(const Settings& before) {
  if (OnBeforeChange) OnBeforeChange(*this);
  {
    ScopedSkinFlag changing(skinProcessState().skinChanging);
    model_->SkinData.Active = false;
    if (loadSkin(before) == LoadOutcome::Failed) return;
    if (active_) {
      ApplySkin(Repaint::Yes);
    } else {
      RemoveSkin();
    }
  }
  if (OnAfterChange) OnAfterChange(*this);
}

TsSkinManager::LoadOutcome TsSkinManager::loadSkin(const Settings& before) {
  const std::string package = findSkinPackage(skinDirectory_, skinName_);
  return package.empty() ? LoadUnpackedOrInternalSkin(before) : LoadPackedSkin(before, package);
}

TsSkinManager::LoadOutcome TsSkinManager::LoadPackedSkin(const Settings& before, const std::string& packagePath) {
  return installSkin(before, SkinChoice{.origin = SkinOrigin::Package, .path = packagePath, .name = skinName_});
}

TsSkinManager::LoadOutcome TsSkinManager::LoadUnpackedOrInternalSkin(const Settings& before) {
  if (!active_) return LoadOutcome::NoSkin;
  const std::string resolved = ResolveSkinDirectory();
  SkinChoice choice = chooseUnpackedOrInternalSkin(SkinChoiceQuery{.skinDirectory = skinDirectory_,
                                                                   .resolvedSkinDirectory = resolved,
                                                                   .name = skinName_,
                                                                   .internalSkins = internalSkins_});
  if (choice.origin == SkinOrigin::None) {
    // Nothing is loaded; the model in use stays until the skin is removed.
    active_ = false;
    return LoadOutcome::NoSkin;
  }
  return installSkin(before, choice);
}

TsSkinManager::LoadOutcome TsSkinManager::installSkin(const Settings& before, const SkinChoice& choice) {
  const SkinLoadSettings settings{.resolvedSkinDirectory = ResolveSkinDirectory(),
                                  .internalSkins = &internalSkins_,
                                  .commonSections = commonSections_,
                                  .hueOffset = hueOffset_,
                                  .saturation = saturation_};
  Result<LoadedSkinModel> loaded = Error{"no skin loaded"};
  try {
    std::optional<SkinModelCache::Key> key = SkinModelCache::keyOf(choice, settings);
    std::optional<LoadedSkinModel> kept = key ? modelCache_.find(*key) : std::nullopt;
    if (kept) {
      loaded = std::move(*kept);
    } else {
      loaded = loadSkinModel(choice, settings);
      if (loaded && key) modelCache_.keep(std::move(*key), *loaded);
    }
  } catch (const std::exception& e) {
    // Whatever else goes wrong inside a load (memory) is a failed load too.
    loaded = Error{e.what()};
  }
  if (!loaded) {
    fail(before, loaded.error());
    return LoadOutcome::Failed;
  }
  if (loaded->rejected) {
    // The reader's warning was the one word on it; the skin in use stays.
    restore(before);
    return LoadOutcome::Failed;
  }
  skinName_ = choice.name;
  model_ = std::move(loaded->model);
  modelGeneration_ = NextModelGeneration();
  isPacked_ = loaded->isPacked;
  return LoadOutcome::Loaded;
}

void TsSkinManager::reloadSkin(const Settings& before) {
  {
    ScopedSkinFlag changing(skinProcessState().skinChanging);
    const LoadOutcome outcome = loadSkin(before);
    if (outcome == LoadOutcome::Failed) return;
    if (outcome == LoadOutcome::NoSkin) {
      RemoveSkin();
      return;
    }
    // The same skin again: its data stay active and the controls' indices stay valid.
    model_->SkinData.Active = true;
  }
  if (!isLoading()) RefreshForms();
}

}  // namespace tavra
