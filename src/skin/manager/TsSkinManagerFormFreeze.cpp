// The skin manager's freezing of its forms while a skin is applied, and their release with the
// skin-change animation.
#include "skin/manager/TsSkinManager.h"

#include <algorithm>
#include <chrono>
#include <exception>
#include <memory>
#include <thread>
#include <vector>

#include "framework/core/Form.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinProcessState.h"
#include "winsys/WindowSystem.h"

namespace tavra {

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

namespace {

// Whether a form met earlier still exists: preparing an animation prints windows, which may run
// code that closes one.
bool stillExists(TCustomForm* form) {
  const std::vector<TCustomForm*> alive = programForms();
  return std::find(alive.begin(), alive.end(), form) != alive.end() && !form->isDestroying();
}

// Steps every part together over `timeMs`, so the change lasts one animation time whatever the
// number of windows; on the virtual clock of tests and tools the steps follow at once.
void runTogether(const std::vector<std::unique_ptr<SkinChangeAnimation>>& parts, int timeMs) {
  if (parts.empty()) return;
  const int n = std::max(1, timeMs / SkinChangeAnimation::kStepMs);
  const bool realTime = !WindowSystem::instance().clock().isVirtual();
  const auto start = std::chrono::steady_clock::now();
  for (int k = 1; k <= n; ++k) {
    for (const auto& part : parts) part->step(k, n);
    if (realTime && k < n) std::this_thread::sleep_until(start + std::chrono::milliseconds(k * SkinChangeAnimation::kStepMs));
  }
}

}  // namespace

void TsSkinManager::releaseProviderForms(ReleaseAnimation animation) {
  if (isDefault()) skinProcessState().skinChangeAnimation = false;
  const std::vector<TCustomForm*> forms = providerFormsOfThis();
  if (animation == ReleaseAnimation::Yes && AnimEffects.SkinChanging.Active && AnimEffects.SkinChanging.Time > 0) {
    std::vector<std::unique_ptr<SkinChangeAnimation>> parts;
    for (TCustomForm* form : forms) {
      if (!stillExists(form) || !form->window() || !form->window()->isVisible()) continue;
      SkinFormProvider* provider = skinProviderOf(*form);
      // A form whose frame the system draws changes without an animation.
      if (!provider || !provider->drawsNonClientArea()) continue;
      try {
        if (auto part = provider->prepareSkinChange()) parts.push_back(std::move(part));
      } catch (const std::exception&) {
        // The animation is only a transition: the form shows the new skin without it.
      }
    }
    try {
      runTogether(parts, AnimEffects.SkinChanging.Time);
    } catch (const std::exception&) {
      // As above: the forms are given back below with their new look.
    }
  }
  for (TCustomForm* form : forms) {
    if (!stillExists(form)) continue;
    Window* w = form->window();
    if (!w) continue;
    w->setRedraw(true);
    // A form hidden while frozen must not stay frozen; a visible one shows its new look.
    if (w->isVisible()) w->invalidateTree();
  }
}

TsSkinManager::FrozenForms::~FrozenForms() {
  if (!held_) return;
  try {
    manager_.releaseProviderForms(ReleaseAnimation::No);
  } catch (...) {
    // Giving the forms back must not throw while an earlier failure is on its way.
  }
}

void TsSkinManager::FrozenForms::release() {
  held_ = false;
  manager_.releaseProviderForms(ReleaseAnimation::Yes);
}

}  // namespace tavra
