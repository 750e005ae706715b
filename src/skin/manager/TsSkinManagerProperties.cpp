// The skin manager's published properties: the setters that change, reload or drop the skin, and
// the skin folder and version they read.
#include "skin/manager/TsSkinManager.h"

#include <charconv>

#include "skin/data/CommonSections.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinPaths.h"

namespace tavra {

void TsSkinManager::setActive(bool active) {
  if (active == active_) return;
  const Settings before = settings();
  active_ = active;
  if (active) {
    changeSkin(before);
    return;
  }
  if (!isLoading()) RemoveSkin();
  model_->CacheCommonIndices();
}

void TsSkinManager::setSkinName(const std::string& name) {
  const Settings before = settings();
  skinName_ = name;
  if (!active_) return;
  changeSkin(before);
}

void TsSkinManager::setSkinDirectory(const std::string& directory) {
  if (directory == skinDirectory_) return;
  skinDirectory_ = directory;
  model_->SkinData.SkinPath = ResolveSkinDirectory() + "/";
}

std::string TsSkinManager::skinInfo() const {
  if (!model_->SkinData.Active) return std::string(kNoSkinInfo);
  char text[32];
  const auto written = std::to_chars(text, text + sizeof text, model_->SkinData.Version, std::chars_format::general, 15);
  return std::string(text, written.ptr);
}

void TsSkinManager::setCommonSections(const std::vector<std::string>& lines) {
  const Settings before = settings();
  commonSections_ = normalizeCommonSectionLines(lines);
  if (!active_) return;
  changeSkin(before);
}

void TsSkinManager::setHueOffset(int degrees) {
  if (degrees == hueOffset_) return;
  const Settings before = settings();
  hueOffset_ = degrees;
  if (model_->SkinData.Active) reloadSkin(before);
}

void TsSkinManager::setSaturation(int amount) {
  if (amount == saturation_) return;
  const Settings before = settings();
  saturation_ = amount;
  if (model_->SkinData.Active) reloadSkin(before);
}

void TsSkinManager::setSkinnedPopups(bool value) {
  if (value == skinnedPopups_) return;
  skinnedPopups_ = value;
  if (value && isDefault() && menuSkinner_) menuSkinner_->applyToMenus(model_->SkinData.Active);
}

std::string TsSkinManager::ResolveSkinDirectory() const { return resolveSkinDirectory(executableFolder(), skinDirectory_); }

}  // namespace tavra
