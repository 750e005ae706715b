#include "skin/manager/SkinHooks.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "framework/core/Form.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/SkinProcessState.h"
#include "skin/manager/TsSkinManager.h"
#include "winsys/WindowSystem.h"

namespace tavra {
namespace {

constexpr std::string_view kPopupMenuClass = "#32768";
constexpr std::string_view kDialogClass = "#32770";
constexpr std::string_view kMessageFormClass = "TMessageForm";
constexpr std::string_view kToolBarClass = "toolbarwindow32";
constexpr std::array<std::string_view, 3> kNeverTaken = {"TApplication", "TQRStandardPreview", "TfcPopup"};
constexpr int kNotSkinnedTag = -98;

bool hasDescendantOfClass(const Window& window, std::string_view className) {
  for (const Window* child : window.children()) {
    if (child->className() == className || hasDescendantOfClass(*child, className)) return true;
  }
  return false;
}

}  // namespace

TCustomForm* formOfWindow(Window& window) {
  if (!window.isTopLevel()) return nullptr;
  return dynamic_cast<TCustomForm*>(TWinControl::fromWindow(&window));
}

SkinHooks::SkinHooks(TsSkinManager& manager) : manager_(manager) {
  hookId_ = WindowSystem::instance().addHook(WindowHook{
      .onCreate = [this](Window& w) { windowCreated(w); },
      .onActivate = [this](Window& w) { windowActivating(w); },
  });
}

SkinHooks::~SkinHooks() {
  if (WindowSystem::exists()) WindowSystem::instance().removeHook(hookId_);
  skinProcessState().takenOver.clear();
}

void SkinHooks::windowCreated(Window& window) {
  if (window.className() != kPopupMenuClass) return;
  const auto& attach = SkinHandOver::slots().attachMenuWindowAdapter;
  if (!attach || answersIsSkinned(window)) return;
  if (auto adapter = attach(manager_, window, "MAINMENU")) {
    skinProcessState().takenOver.add({.kind = TakenOverKind::PopupMenu, .window = window.handle(), .adapter = std::move(adapter)});
  }
}

void SkinHooks::windowActivating(Window& window) {
  TakenOverWindows& takenOver = skinProcessState().takenOver;
  const std::string& className = window.className();
  if (std::find(kNeverTaken.begin(), kNeverTaken.end(), className) != kNeverTaken.end()) return;
  if (takenOver.contains(window.handle()) || answersIsSkinned(window)) return;
  const TacSkinningRules rules = manager_.SkinningRules;
  const SkinHandOver& slots = SkinHandOver::slots();

  TCustomForm* form = className == kDialogClass ? nullptr : formOfWindow(window);
  if (form) {
    const bool wanted = className == kMessageFormClass ? (rules & srStdDialogs) != 0
                                                       : (rules & srStdForms) != 0 && form->Tag != kNotSkinnedTag;
    if (!wanted || !slots.attachFormProvider) return;
    if (auto holder = slots.attachFormProvider(manager_, *form)) {
      takenOver.add({.kind = TakenOverKind::Form, .window = window.handle(), .form = form, .adapter = std::move(holder)});
    }
    return;
  }
  if (!(rules & srStdDialogs) || !slots.attachWindowAdapter) return;
  if (takenOver.anyVisible() && !hasDescendantOfClass(window, kToolBarClass)) return;
  if (auto adapter = slots.attachWindowAdapter(manager_, window)) {
    takenOver.add({.kind = TakenOverKind::Dialog, .window = window.handle(), .adapter = std::move(adapter)});
  }
}

}  // namespace tavra
