#include "skin/frames/TacProvider.h"

#include "framework/core/Form.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/frames/TsSkinProvider.h"

namespace tavra {
namespace {

// The form's controls composed their looks before the form had a picture to give them.
void markControlsDirty(TWinControl& parent) {
  for (TControl* child : std::vector(parent.controls())) {
    if (child->isDestroying()) continue;
    sendSkinCommand(*child, SKC_DIRTY);
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) markControlsDirty(*windowed);
  }
}

}  // namespace

TacProvider::TacProvider(TsSkinManager& manager, TCustomForm& form)
    : provider_(std::make_unique<TsSkinProvider>(form, &manager)) {
  provider_->MakeSkinMenu = false;
  markControlsDirty(form);
  if (Window* w = form.window()) w->invalidateTree();
}

TacProvider::~TacProvider() = default;

}  // namespace tavra
