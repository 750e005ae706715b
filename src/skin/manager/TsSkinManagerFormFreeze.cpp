// The skin manager's freezing of its forms while a skin is applied, and their release with the
// skin-change animation.
#include "skin/manager/TsSkinManager.h"

#include <algorithm>
#include <exception>
#include <vector>

#include "framework/core/Form.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinProcessState.h"

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

void TsSkinManager::releaseProviderForms(ReleaseAnimation animation) {
  if (isDefault()) skinProcessState().skinChangeAnimation = false;
  const std::vector<TCustomForm*> forms = providerFormsOfThis();
  for (TCustomForm* form : forms) {
    // An earlier form's animation runs the event loop: this form may have gone since, or lost
    // its provider.
    const std::vector<TCustomForm*> alive = programForms();
    if (std::find(alive.begin(), alive.end(), form) == alive.end() || form->isDestroying()) continue;
    Window* w = form->window();
    if (!w) continue;
    if (w->isVisible()) {
      SkinFormProvider* provider = skinProviderOf(*form);
      if (animation == ReleaseAnimation::Yes && AnimEffects.SkinChanging.Active && provider) {
        try {
          provider->animateSkinChange(provider->drawsNonClientArea() ? AnimEffects.SkinChanging.Time : 0);
        } catch (const std::exception&) {
          // The animation is only a transition: the form shows the new skin without it.
        }
      }
      w->setRedraw(true);
      w->invalidateTree();
    } else {
      // A form hidden while frozen must not stay frozen.
      w->setRedraw(true);
    }
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
