#include "skin/paint/ManagerLabelSkin.h"

#include "framework/WinControl.h"
#include "gfx/Canvas.h"
#include "skin/manager/SkinCommands.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/paint/BackgroundProtocol.h"
#include "skin/paint/SectionPainting.h"

namespace tavra {

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
  const TsCacheView parent = ParentViewOf(control);
  const SkinModel& model = manager()->model();
  canvas.writeRows([&](ClippedRows& rows) {
    // The section's three layers; a label partly off its window still gets the part on it.
    PaintSectionBackground(model, sectionIndex, parent, clFuchsia, -1, -1, rows, {0, 0}, rect, 0);
    DrawSectionCorners(model, sectionIndex, rows, rect, 0);
    const int border = model.Sections[static_cast<size_t>(sectionIndex)].BorderMask;
    DrawBorderMask(rows, rect, CentreFill::Yes, CornersFromParent::Yes, 0, model, border, parent);
  });
}

}  // namespace tavra
