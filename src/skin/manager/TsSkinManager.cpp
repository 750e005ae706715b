#include "skin/manager/TsSkinManager.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <filesystem>

#include "base/Files.h"
#include "framework/core/Application.h"
#include "framework/core/Form.h"
#include "skin/data/CommonSections.h"
#include "skin/manager/SkinApplicationWindow.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinChoice.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinHooks.h"
#include "skin/manager/SkinModelLoad.h"
#include "skin/manager/SkinNoticeBoxes.h"
#include "skin/manager/SkinPaths.h"
#include "skin/manager/SkinProcessState.h"
#include "winsys/WindowSystem.h"

namespace tavra {

std::uint64_t NextModelGeneration() {
  static std::atomic<std::uint64_t> next{1};
  return next.fetch_add(1, std::memory_order_relaxed);
}

namespace {

TsSkinManager*& defaultManager() {
  static TsSkinManager* manager = nullptr;
  return manager;
}

bool atRunTime(const TComponent& component) { return !component.isDesigning() && WindowSystem::exists(); }

std::string asciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

// Names sorted ignoring letter case; names that differ only in case keep a fixed order.
bool lessIgnoringCase(const std::string& a, const std::string& b) {
  const std::string la = asciiLower(a), lb = asciiLower(b);
  return la != lb ? la < lb : a < b;
}

}  // namespace

// --- Creation and destruction ----------------------------------------------------------------

TsSkinManager::TsSkinManager(TComponent* owner) : TComponent(owner), noticeBoxes_(std::make_unique<SkinNoticeBoxes>()) {
  if (const auto& create = SkinHandOver::slots().createMenuSkinner) menuSkinner_ = create(*this);
  if (!defaultManager()) {
    defaultManager() = this;
    if (atRunTime(*this)) applicationWindow_ = std::make_unique<SkinApplicationWindow>(*this);
  }
  ThirdParty.fillDefaults();
  refreshClassLists();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
}

TsSkinManager::~TsSkinManager() {
  setState(csDestroying);
  setActive(false);
  removeHooks();
  menuSkinner_.reset();
  applicationWindow_.reset();
  if (defaultManager() == this) defaultManager() = nullptr;
}

TsSkinManager* TsSkinManager::DefaultManager() { return defaultManager(); }

Window* TsSkinManager::applicationWindow() const { return applicationWindow_ ? &applicationWindow_->window() : nullptr; }

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (skinDirectory_.empty()) skinDirectory_ = kDefaultSkinDirectory;
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = TacMenuSupport::kDefaultIcoLineSkin;
  ThirdParty.fillDefaults();
  refreshClassLists();
  // The skin read from the stored settings was loaded at once; now it is announced.
  if (active_ && !skinName_.empty()) ApplySkin(Repaint::No);
}

void TsSkinManager::refreshClassLists() {
  classLists_.clear();
  for (const std::string* text : ThirdParty.texts()) classLists_.push_back(classListOf(*text));
}

// --- Properties ------------------------------------------------------------------------------

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

void TsSkinManager::setIsDefault(bool value) {
  TsSkinManager* current = defaultManager();
  if (!value && current) return;
  // Only the default manager keeps hooks.
  if (current && current != this) current->removeHooks();
  defaultManager() = this;
  if (active_) {
    ApplySkin(Repaint::Yes);
    RefreshForms();
  } else {
    RemoveSkin();
  }
}

void TsSkinManager::setSkinnedPopups(bool value) {
  if (value == skinnedPopups_) return;
  skinnedPopups_ = value;
  if (value && isDefault() && menuSkinner_) menuSkinner_->applyToMenus(model_->SkinData.Active);
}

std::string TsSkinManager::ResolveSkinDirectory() const { return resolveSkinDirectory(executableFolder(), skinDirectory_); }

// --- Changing the skin -----------------------------------------------------------------------

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

// --- Announcing and removing -----------------------------------------------------------------

void TsSkinManager::ApplySkin(Repaint repaint) {
  if (isLoading()) return;
  dropGlowEffects();
  if (repaint == Repaint::Yes) freezeProviderForms();
  if (menuSkinner_) menuSkinner_->resetBorderWidth();
  model_->SkinData.Active = false;
  model_->CacheCommonIndices();
  Broadcast(SKC_REFRESH);
  model_->SkinData.Active = true;
  if (isDefault() && !hooks_) installHooks();
  // Menus follow at their next showing: the skinner's handlers are on every menu.
  if (isDefault() && menuSkinner_) menuSkinner_->applyToMenus(true);
  if (repaint == Repaint::Yes) RefreshForms();
}

void TsSkinManager::RefreshForms() {
  Broadcast(SKC_FADEDONE);
  if (!isLoading()) freezeProviderForms();
  Broadcast(SKC_SETSKIN);
  if (!isLoading()) releaseProviderForms();
  for (Window* dialog : skinProcessState().takenOver.visibleDialogs()) dialog->invalidateTree();
}

void TsSkinManager::RemoveSkin() {
  ScopedSkinFlag removing(skinProcessState().skinRemoving);
  dropGlowEffects();
  removeHooks();
  model_->SkinData.Active = false;
  if (menuSkinner_ && !isDestroying()) menuSkinner_->applyToMenus(false);
  Broadcast(SKC_REMOVESKIN);
  model_->clearModel();
  modelGeneration_ = NextModelGeneration();
  // No index may point into the emptied arrays.
  model_->CacheCommonIndices();
}

void TsSkinManager::Broadcast(SkinCommand command) { broadcastSkinCommand(command, commandParam()); }

std::vector<TCustomForm*> TsSkinManager::providerFormsOfThis() {
  std::vector<TCustomForm*> forms;
  for (TCustomForm* form : programForms()) {
    if (form->isDestroying()) continue;
    SkinFormProvider* provider = skinProviderOf(*form);
    if (!provider) continue;
    TsSkinManager* bound = provider->skinManager();
    if (bound == this || (!bound && isDefault())) forms.push_back(form);
  }
  return forms;
}

void TsSkinManager::freezeProviderForms() {
  for (TCustomForm* form : providerFormsOfThis()) {
    Window& w = *form->window();
    if (w.isVisible() && !w.isMinimized()) w.setRedraw(false);
  }
  if (isDefault() && AnimEffects.SkinChanging.Active) skinProcessState().skinChangeAnimation = true;
}

void TsSkinManager::releaseProviderForms() {
  if (isDefault()) skinProcessState().skinChangeAnimation = false;
  for (TCustomForm* form : providerFormsOfThis()) {
    Window& w = *form->window();
    if (w.isVisible()) {
      if (AnimEffects.SkinChanging.Active) {
        SkinFormProvider& provider = *skinProviderOf(*form);
        provider.animateSkinChange(provider.drawsNonClientArea() ? AnimEffects.SkinChanging.Time : 0);
      }
      w.setRedraw(true);
      w.invalidateTree();
    } else {
      // A form hidden while frozen must not stay frozen.
      w.setRedraw(true);
    }
  }
}

void TsSkinManager::dropGlowEffects() {
  if (const auto& drop = SkinHandOver::slots().dropGlowEffects) drop();
}

void TsSkinManager::installHooks() {
  if (atRunTime(*this)) hooks_ = std::make_unique<SkinHooks>(*this);
}

void TsSkinManager::removeHooks() { hooks_.reset(); }

// --- Hot window and skin list ----------------------------------------------------------------

void TsSkinManager::ReportHotWindow(Window* window) {
  const WindowHandle next = window ? window->handle() : 0;
  if (next == hotWindow_) return;
  Window* previous = HotWindow();
  hotWindow_ = next;
  if (previous) sendSkinCommand(*previous, SKC_MOUSELEAVE, commandParam());
  if (window && hotWindow_ == next) sendSkinCommand(*window, SKC_MOUSEENTER, commandParam());
}

Window* TsSkinManager::HotWindow() const {
  return WindowSystem::exists() ? WindowSystem::instance().find(hotWindow_) : nullptr;
}

std::string TsSkinManager::ListSkins(std::vector<std::string>& list, SkinListKind kind) const {
  namespace fs = std::filesystem;
  list.clear();
  for (const TsStoredSkin& skin : internalSkins_.items()) list.push_back(skin.Name);
  const std::string folder = ResolveSkinDirectory();
  if (directoryExists(folder)) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
      const std::string name = it->path().filename().string();
      if (name.empty() || name.front() == '.') continue;
      std::error_code typeError;
      if (it->is_directory(typeError)) {
        if (kind == SkinListKind::Packages) continue;
        const std::string options = findPathIgnoringCase(folder + "/" + name + "/Options.dat");
        if (!options.empty() && fileExists(options)) list.push_back(name);
      } else if (kind != SkinListKind::Folders && name.ends_with(".asz")) {
        list.push_back(name.substr(0, name.find('.')));
      }
    }
  }
  const std::string first = list.empty() ? std::string() : list.front();
  std::stable_sort(list.begin(), list.end(), lessIgnoringCase);
  return first;
}

}  // namespace tavra
