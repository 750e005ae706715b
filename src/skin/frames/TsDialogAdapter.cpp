#include "skin/frames/TsDialogAdapter.h"

#include "framework/controls/Button.h"
#include "framework/core/Form.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/frames/TsSkinProvider.h"
#include "skin/controls/sBitBtn.h"

namespace tavra {

TsDialogAdapter::TsDialogAdapter(TsSkinManager& manager, TCustomForm& box, bool passCommands) : box_(box) {
  replaceButtons();
  provider_ = std::make_unique<TsSkinProvider>(box, &manager);
  provider_->PassCommandsToControls = passCommands;
  provider_->PreferredSection = "DIALOG";
  provider_->OnSkinApplied = [this] { recolourText(); };
  provider_->PrepareForm();
  if (Window* w = box.window()) w->invalidateTree();
}

TsDialogAdapter::~TsDialogAdapter() = default;

// Each plain button gives way to a skinned one with its caption, result and keys.
void TsDialogAdapter::replaceButtons() {
  std::vector<TButton*> plain;
  for (TControl* c : box_.controls()) {
    auto* button = dynamic_cast<TButton*>(c);
    if (button && !dynamic_cast<TsBitBtn*>(c) && button->visible()) plain.push_back(button);
  }
  for (TButton* old : plain) {
    auto& skinned = box_.make<TsBitBtn>();
    skinned.setCaption(old->caption());
    skinned.setModalResult(old->modalResult());
    skinned.setDefault(old->isDefault());
    skinned.setCancel(old->cancel());
    skinned.OnClick = old->OnClick;
    skinned.setParent(&box_);
    skinned.setBounds(old->left(), old->top(), old->width(), old->height());
    skinned.setTabOrder(old->tabOrder());
    old->setDefault(false);
    old->setCancel(false);
    old->setVisible(false);
    if (box_.activeControl() == old) box_.setActiveControlQuiet(&skinned);
  }
}

// The box's text and icon in the section's text colour.
void TsDialogAdapter::recolourText() {
  const TsGeneralData* section = provider_->SkinData.section();
  const Color color = section && provider_->isSkinned() ? resolveColor(section->FontColor[0]) : clWindowText;
  for (TControl* c : box_.controls()) {
    if (c->isWindowed()) continue;
    Font f = c->font();
    if (f.color == color) continue;
    f.color = color;
    c->setFont(f);
  }
}

}  // namespace tavra
