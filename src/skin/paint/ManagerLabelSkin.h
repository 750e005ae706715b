#pragma once
// The default skin manager's answers to what the skinned labels ask: its skin's sections, its
// first shadow, its Active flags and its identity in skin commands.
#include "skin/paint/LabelSkin.h"

namespace tavra {

class TsSkinManager;

class ManagerLabelSkin : public LabelSkin {
 public:
  bool dataActive() const override;
  bool managerActive() const override;
  LParam managerParam() const override;
  int findSection(std::string_view name) const override;
  std::optional<LabelSkinSection> section(int index) const override;
  LabelSkinShadow shadow1() const override;
  // The whole section (background by its transparency over the parent's background, corner
  // images, border) in its normal state.
  void paintSection(Canvas& canvas, const Rect& rect, int sectionIndex, TControl& control) override;

 private:
  static TsSkinManager* manager();
};

}  // namespace tavra
