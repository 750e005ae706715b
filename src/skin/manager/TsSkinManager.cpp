// The skin manager's place in the process: creation and destruction, the default manager, the
// hooks it keeps and the application window it owns.
#include "skin/manager/TsSkinManager.h"

#include <atomic>
#include <memory>

#include "skin/manager/SkinApplicationWindow.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinHooks.h"
#include "skin/manager/SkinNoticeBoxes.h"
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

// --- Default manager and hooks --------------------------------------------------------------

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

void TsSkinManager::installHooks() {
  if (atRunTime(*this)) hooks_ = std::make_unique<SkinHooks>(*this);
}

void TsSkinManager::removeHooks() { hooks_.reset(); }

}  // namespace tavra
