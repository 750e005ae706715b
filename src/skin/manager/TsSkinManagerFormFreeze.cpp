// The skin manager's freezing of its forms while a skin is applied, and their release with the
// skin-change animation.
#include "skin/manager/TsSkinManager.h"

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

}  // namespace tavra
