#include "skin/manager/SkinBroadcast.h"

#include <algorithm>

#include "framework/core/Application.h"
#include "framework/core/WinControl.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinProcessState.h"

namespace tavra {
namespace {

void deliverToForm(TCustomForm& form, WParam wParam, LParam lParam) {
  form.window()->send(SM_SKINCMD, wParam, lParam);
  deliverToControls(form, wParam, lParam);
}

}  // namespace

std::vector<TCustomForm*> programForms() {
  std::vector<TCustomForm*> forms;
  if (TApplication::exists()) {
    const auto& components = Application().components();
    for (auto it = components.rbegin(); it != components.rend(); ++it) {
      if (auto* form = dynamic_cast<TCustomForm*>(*it)) forms.push_back(form);
    }
  }
  for (TCustomForm* form : skinProcessState().takenOver.forms()) {
    if (std::find(forms.begin(), forms.end(), form) == forms.end()) forms.push_back(form);
  }
  return forms;
}

SkinFormProvider* skinProviderOf(TCustomForm& form) {
  if (!form.handleAllocated()) return nullptr;
  return reinterpret_cast<SkinFormProvider*>(sendSkinCommand(*form.window(), SKC_GETPROVIDER));
}

void deliverToControls(TWinControl& parent, WParam wParam, LParam lParam) {
  // Indexed, so a handler that changes the child list cannot leave the walk on a freed entry.
  for (size_t i = 0; i < parent.controls().size(); ++i) {
    TControl* child = parent.controls()[i];
    if (child->isDestroying()) break;
    auto* windowed = child->isWindowed() ? static_cast<TWinControl*>(child) : nullptr;
    if (!windowed || !windowed->handleAllocated()) {
      child->Perform(SM_SKINCMD, wParam, lParam);
    } else if (answersIsSkinned(*windowed->window())) {
      windowed->window()->send(SM_SKINCMD, wParam, lParam);
    } else {
      deliverToControls(*windowed, wParam, lParam);
    }
  }
}

void broadcastSkinCommand(SkinCommand command, LParam manager) {
  const WParam wParam = skinCommandWParam(command);
  if (TApplication::exists()) {
    const auto& components = Application().components();
    std::vector<TCustomForm*> owned;
    for (TComponent* c : components) {
      if (auto* form = dynamic_cast<TCustomForm*>(c)) owned.push_back(form);
    }
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
      TCustomForm& form = **it;
      if (form.isDestroying() || form.isLoading() || !form.handleAllocated()) continue;
      if (answersIsSkinned(*form.window())) continue;
      deliverToForm(form, wParam, manager);
    }
  }
  for (TCustomForm* form : programForms()) {
    if (form->isDestroying() || !skinProviderOf(*form)) continue;
    deliverToForm(*form, wParam, manager);
  }
  for (Window* dialog : skinProcessState().takenOver.visibleDialogs()) dialog->send(SM_SKINCMD, wParam, manager);
}

}  // namespace tavra
