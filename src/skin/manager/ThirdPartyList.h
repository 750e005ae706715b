#pragma once
// The class names of other libraries' controls that the window adapters skin as one of the
// engine's kinds: 17 texts, one class name per line, with their defaults (a text of one blank is
// an empty list). The table below is the one list of the entries, in their order.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

#define TAVRA_THIRD_PARTY_LISTS(X) \
  X(ThirdEdits, " ")               \
  X(ThirdButtons, "TButton")       \
  X(ThirdBitBtns, " ")             \
  X(ThirdCheckBoxes, " ")          \
  X(ThirdGroupBoxes, " ")          \
  X(ThirdListViews, " ")           \
  X(ThirdPanels, " ")              \
  X(ThirdGrids, " ")               \
  X(ThirdTreeViews, " ")           \
  X(ThirdComboBoxes, " ")          \
  X(ThirdWWEdits, " ")             \
  X(ThirdVirtualTrees, " ")        \
  X(ThirdGridEh, " ")              \
  X(ThirdPageControl, " ")         \
  X(ThirdTabControl, " ")          \
  X(ThirdToolBar, " ")             \
  X(ThirdStatusBar, " ")

#define TAVRA_COUNT_THIRD_PARTY(name, text) +1
constexpr int kThirdPartyListCount = 0 TAVRA_THIRD_PARTY_LISTS(TAVRA_COUNT_THIRD_PARTY);
#undef TAVRA_COUNT_THIRD_PARTY
static_assert(kThirdPartyListCount == 17, "the third-party table lists 17 entries");

struct ThirdPartyList {
#define TAVRA_DECLARE_THIRD_PARTY(name, text) std::string name;
  TAVRA_THIRD_PARTY_LISTS(TAVRA_DECLARE_THIRD_PARTY)
#undef TAVRA_DECLARE_THIRD_PARTY

  // Every empty entry takes its default text.
  void fillDefaults();
  // The entries' texts, in the table's order.
  std::array<const std::string*, kThirdPartyListCount> texts() const;
  static std::array<std::string_view, kThirdPartyListCount> names();
};

// The class names of one entry's text: its lines without surrounding blanks, empty lines left
// out.
std::vector<std::string> classListOf(std::string_view text);

}  // namespace tavra
