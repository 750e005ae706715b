#pragma once
// The sections the program asks a skin for, and how much their absence matters.
#include <span>
#include <string_view>

namespace tavra::lint {

enum class SectionNeed {
  Windows,   // named by the program's windows or painted for every window: its controls stay unskinned without it
  Optional,  // named by the program, missing from many good skins
  Engine,    // asked for by the engine's controls and adapters, not used by this program's windows
};

struct SectionName {
  std::string_view name;
  SectionNeed need;
  std::string_view usedBy;
};

std::span<const SectionName> sectionNames();

}  // namespace tavra::lint
