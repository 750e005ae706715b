// The skin manager's announcements to windows and skinned controls: a skin applied or removed,
// and the mouse entering or leaving a skinned window.
#include "skin/manager/TsSkinManager.h"

#include <optional>

#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinProcessState.h"
#include "winsys/WindowSystem.h"

namespace tavra {

void TsSkinManager::ApplySkin(Repaint repaint) {
  if (isLoading()) return;
  dropGlowEffects();
  std::optional<FrozenForms> frozen;
  if (repaint == Repaint::Yes) frozen.emplace(*this);
  if (menuSkinner_) menuSkinner_->resetBorderWidth();
  model_->SkinData.Active = false;
  model_->CacheCommonIndices();
  Broadcast(SKC_REFRESH);
  model_->SkinData.Active = true;
  if (isDefault() && !hooks_) installHooks();
  // Menus follow at their next showing: the skinner's handlers are on every menu.
  if (isDefault() && menuSkinner_) menuSkinner_->applyToMenus(true);
  if (repaint == Repaint::Yes) {
    RefreshForms();
    frozen->dismiss();  // RefreshForms gave the forms back with the animation
  }
}

void TsSkinManager::RefreshForms() {
  Broadcast(SKC_FADEDONE);
  std::optional<FrozenForms> frozen;
  if (!isLoading()) frozen.emplace(*this);
  Broadcast(SKC_SETSKIN);
  if (frozen) frozen->release();
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

void TsSkinManager::dropGlowEffects() {
  if (const auto& drop = SkinHandOver::slots().dropGlowEffects) drop();
}

// --- Hot window -----------------------------------------------------------------------------

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

}  // namespace tavra
