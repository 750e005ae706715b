#pragma once
// Helpers shared by the edit's source files (not part of its interface).
#include <cstdint>
#include <cwctype>

namespace tavra::edit_parts {

constexpr std::uintptr_t kBlinkTimer = 1;

inline bool isWordChar(char32_t c) { return !std::iswspace(static_cast<wint_t>(c)); }

}  // namespace tavra::edit_parts
