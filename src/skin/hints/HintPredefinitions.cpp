#include "skin/hints/HintPredefinitions.h"

#include <array>

#include "base/Color.h"
#include "skin/hints/TsHintKind.h"

namespace tavra {
namespace {

constexpr int kKeep = -1;  // the value stays as it was

struct Predefinition {
  int bevelWidth;
  int exOffset;  // or kKeep
  int marginH;
  int marginV;
  int maxWidth;
  int radius;  // or kKeep
  Color color;
  int transparency;
  Color borderTop;
  Color borderBottom;
  const char* gradient;  // null: gradient cleared; otherwise used at 100 %
  int shadowBlur;
  int shadowOffset;
  int shadowTransparency;
  TsHintStyle style;
};

constexpr const char* kG1 =
    "167827;6865090;24;2;0;6865090;6865090;24;2;0;6865090;15400959;24;2;0;15400959;6865090;24;2;0;6865090;6865090;0;2;0";
constexpr const char* kG2 = "7728127;16777215;99;0;0;16777215;16777215;0;0;0";
constexpr const char* kG3 = "16753188;16777215;99;0;0;16777215;16777215;0;0;0";

// Entries shSimply to shComicsTransparent, in the enumeration's order.
constexpr std::array<Predefinition, 7> kPredefinitions = {{
    {1, kKeep, 4, 2, 240, kKeep, clInfoBk, 0, 0x000000, 0x000000, nullptr, 3, 6, 40, hsSimply},
    {1, kKeep, 6, 3, 240, kKeep, 0xB6FCFA, 10, 0xFFFFFF, 0x008080, kG1, 5, 6, 50, hsSimply},
    {0, kKeep, 13, 5, 240, kKeep, 0xB6FCFA, 20, 0xFFFFFF, 0x008080, nullptr, 3, 10, 70, hsSimply},
    {1, 16, 6, 12, 240, kKeep, 0xC2FCFC, 5, 0x008080, 0x000000, kG2, 4, 16, 75, hsEllipse},
    {6, 18, 6, 6, 240, kKeep, 0xC2FCFC, 10, 0x408080, 0x408080, nullptr, 6, 8, 70, hsBalloon},
    {1, 24, 15, 7, 180, 21, 0xFFB44F, 8, 0x400000, 0x400000, kG3, 10, 7, 28, hsComics},
    {1, 19, 15, 8, 180, 13, 0xC2FCFC, 10, 0x000000, 0x000000, nullptr, 4, 7, 45, hsComics},
}};
static_assert(kPredefinitions.size() == shComicsTransparent + 1);

}  // namespace

void ApplyHintPredefinition(TsHintKind& kind, TsHintsPredefinitions entry) {
  switch (entry) {
    case shStandard: kind.setStyle(hsStandard); return;
    case shNone: kind.setStyle(hsNone); return;
    case shCustom: return;
    default: break;
  }
  if (entry < 0 || entry > shComicsTransparent) return;
  const Predefinition& p = kPredefinitions[static_cast<size_t>(entry)];
  kind.BevelWidth = p.bevelWidth;
  if (p.exOffset != kKeep) kind.ExOffset = p.exOffset;
  kind.MarginH = p.marginH;
  kind.MarginV = p.marginV;
  kind.MaxWidth = p.maxWidth;
  if (p.radius != kKeep) kind.Radius = p.radius;
  kind.Color = p.color;
  kind.Transparency = p.transparency;
  kind.ColorBorderTop = p.borderTop;
  kind.ColorBorderBottom = p.borderBottom;
  if (p.gradient) {
    kind.GradientPercent = 100;
    kind.GradientData = p.gradient;
  } else {
    kind.GradientPercent = 0;
    kind.GradientData.clear();
  }
  kind.ShadowBlur = p.shadowBlur;
  kind.ShadowOffset = p.shadowOffset;
  kind.ShadowTransparency = p.shadowTransparency;
  kind.Bevel = 1;
  kind.setShadowEnabled(true);
  Font font = systemFont();
  font.style = fsNone;
  font.color = 0;
  kind.setFont(font);
  kind.setStyle(p.style);
}

}  // namespace tavra
