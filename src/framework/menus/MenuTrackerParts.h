#pragma once
// Timers shared by the menu loop's source files (not part of its interface).
#include <cstdint>

namespace tavra::menutracker_parts {

constexpr std::uintptr_t kSubmenuTimer = 1;
constexpr std::uintptr_t kScrollTimer = 2;

}  // namespace tavra::menutracker_parts
