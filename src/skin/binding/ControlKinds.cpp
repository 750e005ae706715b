#include "skin/binding/ControlKinds.h"

#include <array>

namespace tavra {
namespace {

struct KindRange {
  int first;
  int last;
};

template <size_t N>
bool inRanges(int kind, const std::array<KindRange, N>& ranges) {
  if (kind < 0 || kind > 255) return false;
  for (const KindRange& r : ranges) {
    if (kind >= r.first && kind <= r.last) return true;
  }
  return false;
}

struct DefaultSection {
  KindRange kinds;
  std::string_view section;
};

// One row per run of kinds.
constexpr std::array kDefaultSections = {
    DefaultSection{{2, 8}, "EDIT"},          DefaultSection{{10, 10}, "EDIT"},        DefaultSection{{41, 41}, "EDIT"},
    DefaultSection{{76, 76}, "EDIT"},        DefaultSection{{78, 78}, "EDIT"},        DefaultSection{{83, 84}, "EDIT"},
    DefaultSection{{96, 97}, "EDIT"},        DefaultSection{{131, 131}, "EDIT"},      DefaultSection{{140, 140}, "EDIT"},
    DefaultSection{{227, 227}, "EDIT"},      DefaultSection{{11, 18}, "COMBOBOX"},    DefaultSection{{81, 82}, "COMBOBOX"},
    DefaultSection{{19, 19}, "BAR"},         DefaultSection{{20, 20}, "BARTITLE"},    DefaultSection{{32, 32}, "CHECKBOX"},
    DefaultSection{{152, 152}, "CHECKBOX"},  DefaultSection{{33, 33}, "RADIOBUTTON"}, DefaultSection{{51, 51}, "PANEL"},
    DefaultSection{{59, 59}, "PANEL"},       DefaultSection{{68, 68}, "PANEL"},       DefaultSection{{73, 73}, "PANEL"},
    DefaultSection{{52, 52}, "PANEL_LOW"},   DefaultSection{{58, 58}, "PANEL_LOW"},   DefaultSection{{53, 54}, "TOOLBAR"},
    DefaultSection{{60, 60}, "TOOLBAR"},     DefaultSection{{56, 56}, "DRAGBAR"},     DefaultSection{{57, 57}, "TABSHEET"},
    DefaultSection{{74, 74}, "GROUPBOX"},    DefaultSection{{226, 226}, "GROUPBOX"},  DefaultSection{{75, 75}, "SPLITTER"},
    DefaultSection{{92, 92}, "SPEEDBUTTON"}, DefaultSection{{95, 95}, "SPEEDBUTTON"}, DefaultSection{{93, 94}, "BUTTON"},
    DefaultSection{{98, 98}, "TOOLBUTTON"},  DefaultSection{{141, 141}, "PAGECONTROL"}, DefaultSection{{143, 143}, "PAGECONTROL"},
    DefaultSection{{151, 151}, "STATUSBAR"}, DefaultSection{{161, 161}, "GAUGE"},     DefaultSection{{165, 165}, "TRACKBAR"},
};

constexpr std::array<KindRange, 4> kNoHover = {{{19, 19}, {51, 74}, {110, 110}, {141, 161}}};
constexpr std::array<KindRange, 5> kEditLike = {{{2, 18}, {41, 41}, {76, 84}, {96, 97}, {131, 140}}};
constexpr std::array<KindRange, 11> kNoGlow = {{{51, 52}, {54, 54}, {56, 60}, {68, 68}, {73, 74}, {110, 110}, {141, 141},
                                                {143, 143}, {151, 151}, {161, 161}, {226, 226}}};

}  // namespace

std::optional<std::string_view> defaultSectionOfKind(int kind) {
  for (const DefaultSection& d : kDefaultSections) {
    if (kind >= d.kinds.first && kind <= d.kinds.last) return d.section;
  }
  return std::nullopt;
}

bool isNoHoverKind(int kind) { return inRanges(kind, kNoHover); }
bool isEditLikeKind(int kind) { return inRanges(kind, kEditLike); }
bool isNoGlowKind(int kind) { return inRanges(kind, kNoGlow); }

}  // namespace tavra
