#include "skin/paint/ManagerLabelSkin.h"

#include "framework/WinControl.h"
#include "gfx/Canvas.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"

namespace tavra {
namespace {

// The colour the control's parent shows: a skinned parent's answer to SKC_GETCOLOR, else its
// own colour.
Color parentColor(const TControl& control) {
  TWinControl* parent = control.parent();
  if (!parent) return resolveColor(clBtnFace);
  if (sendSkinCommand(*parent, SKC_ISSKINNED) == 1) return resolveColor(static_cast<Color>(sendSkinCommand(*parent, SKC_GETCOLOR, clFuchsia)));
  return resolveColor(parent->color());
}

// `over` weighted (100 - percent) %, `under` percent %.
Color blend(Color over, Color under, int percent) {
  auto channel = [&](int a, int b) { return (a * (100 - percent) + b * percent) / 100; };
  return rgb(channel(redOf(over), redOf(under)), channel(greenOf(over), greenOf(under)), channel(blueOf(over), blueOf(under)));
}

}  // namespace

TsSkinManager* ManagerLabelSkin::manager() { return TsSkinManager::DefaultManager(); }

bool ManagerLabelSkin::dataActive() const { return manager() && manager()->model().SkinData.Active; }

bool ManagerLabelSkin::managerActive() const { return manager() && manager()->Active(); }

LParam ManagerLabelSkin::managerParam() const { return manager() ? manager()->commandParam() : 0; }

int ManagerLabelSkin::findSection(std::string_view name) const { return manager() ? manager()->model().FindSection(name) : -1; }

std::optional<LabelSkinSection> ManagerLabelSkin::section(int index) const {
  if (!manager() || !manager()->model().IsValidSection(index)) return std::nullopt;
  const TsGeneralData& s = manager()->model().Sections[static_cast<size_t>(index)];
  return LabelSkinSection{.fontColor = s.FontColor[0],
                          .contourLeft = s.FontColor[1],
                          .transparency = s.Transparency,
                          .giveOwnFont = s.GiveOwnFont};
}

LabelSkinShadow ManagerLabelSkin::shadow1() const {
  if (!manager()) return {};
  const TsSkinData& header = manager()->model().SkinData;
  return LabelSkinShadow{.color = static_cast<Color>(header.Shadow1Color), .blur = header.Shadow1Blur, .offset = header.Shadow1Offset};
}

void ManagerLabelSkin::paintSection(Canvas& canvas, const Rect& rect, int sectionIndex, TControl& control) {
  if (!manager() || !manager()->model().IsValidSection(sectionIndex)) return;
  const TsGeneralData& s = manager()->model().Sections[static_cast<size_t>(sectionIndex)];
  if (s.Transparency >= 100) return;
  const Color own = resolveColor(s.Color);
  canvas.fillRect(rect, s.Transparency <= 0 ? own : blend(own, parentColor(control), s.Transparency));
}

}  // namespace tavra
