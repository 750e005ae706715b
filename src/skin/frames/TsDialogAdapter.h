#pragma once
// The skin of a message box (the framework's "TMessageForm" boxes and the system's "#32770"
// box): a skinning provider for its frame, caption and background (the skin's DIALOG section
// when it has one), skinned buttons in place of its plain ones, and its text in the skin's
// colours.
#include <memory>
#include <vector>

#include "skin/manager/SkinHandOver.h"

namespace tavra {

class TButton;
class TCustomForm;
class TsBitBtn;
class TsSkinManager;
class TsSkinProvider;

class TsDialogAdapter final : public SkinWindowAdapter {
 public:
  // `passCommands`: the manager sends its commands to the box's window only (a "#32770" box),
  // so the adapter passes them on to the box's controls.
  TsDialogAdapter(TsSkinManager& manager, TCustomForm& box, bool passCommands);
  ~TsDialogAdapter() override;

  TsSkinProvider& provider() { return *provider_; }

 private:
  void replaceButtons();
  void recolourText();

  TCustomForm& box_;
  std::unique_ptr<TsSkinProvider> provider_;
};

}  // namespace tavra
