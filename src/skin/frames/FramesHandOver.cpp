#include "skin/frames/FramesHandOver.h"

#include <string_view>

#include "framework/core/Form.h"
#include "skin/manager/SkinBroadcast.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinHandOver.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/frames/TacProvider.h"
#include "skin/frames/TsDialogAdapter.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr std::string_view kMessageFormClass = "TMessageForm";
constexpr std::string_view kDialogClass = "#32770";

// The box form of a dialog window without a provider yet, or null.
TCustomForm* untakenBox(Window& window) {
  auto* box = dynamic_cast<TCustomForm*>(TWinControl::fromWindow(&window));
  if (!box || skinProviderOf(*box)) return nullptr;
  return box;
}

// A system box being activated while the default manager skins the program's dialogs.
void takeSystemBox(Window& window) {
  if (window.className() != kDialogClass) return;
  TsSkinManager* manager = TsSkinManager::DefaultManager();
  if (!manager || !manager->active() || !manager->HooksInstalled() || !(manager->SkinningRules & srStdDialogs)) return;
  TakenOverWindows& takenOver = skinProcessState().takenOver;
  if (takenOver.contains(window.handle()) || answersIsSkinned(window)) return;
  TCustomForm* box = untakenBox(window);
  if (!box) return;
  takenOver.add({.kind = TakenOverKind::Dialog, .window = window.handle(), .adapter = std::make_unique<TsDialogAdapter>(*manager, *box, true)});
}

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
    TCustomForm* box = untakenBox(window);
    if (!box) return nullptr;
    return std::make_unique<TsDialogAdapter>(manager, *box, true);
  };
  if (WindowSystem::exists()) {
    WindowHook hook;
    hook.onActivate = takeSystemBox;
    WindowSystem::instance().addHook(std::move(hook));
  }
}

}  // namespace tavra
