#include "skin/paint/FramesHandOver.h"

#include "framework/Form.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/paint/TacProvider.h"
#include "skin/paint/TsDialogAdapter.h"

namespace tavra {
namespace {

constexpr std::string_view kMessageFormClass = "TMessageForm";

}  // namespace

void installFramesHandOver() {
  SkinHandOver& slots = SkinHandOver::slots();
  slots.attachFormProvider = [](TsSkinManager& manager, TCustomForm& form) -> std::unique_ptr<SkinWindowAdapter> {
    // A form that has a provider already keeps it; a new one would stay detached.
    if (!form.window() || skinProviderOf(form)) return nullptr;
    if (form.window()->className() == kMessageFormClass) return std::make_unique<TsDialogAdapter>(manager, form, false);
    return std::make_unique<TacProvider>(manager, form);
  };
  slots.attachWindowAdapter = [](TsSkinManager& manager, Window& window) -> std::unique_ptr<SkinWindowAdapter> {
    // The system's box is one of the framework's forms under the dialog class.
    auto* box = dynamic_cast<TCustomForm*>(TWinControl::fromWindow(&window));
    if (!box || skinProviderOf(*box)) return nullptr;
    return std::make_unique<TsDialogAdapter>(manager, *box, true);
  };
}

}  // namespace tavra
