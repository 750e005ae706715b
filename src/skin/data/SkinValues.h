#pragma once
// The value forms of skin options: integers (decimal, optionally signed, or hexadecimal after
// "0x"), numbers with a decimal point, and the upper-case comparisons of names.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace tavra {

// Upper case of ASCII and Cyrillic letters; a fast path for plain ASCII text.
std::string upperName(std::string_view text);
bool containsText(std::string_view text, std::string_view part);

// An integer in the strict sense: optional leading blanks, an optional sign, then decimal digits
// within the 32-bit range, or "0x"/"0X" and up to eight hexadecimal digits (taken as the 32-bit
// pattern they spell, so "0xFFFFFFFF" is -1). Anything else is no integer.
std::optional<std::int32_t> parseSkinInteger(std::string_view text);

// The tolerant read: the default for anything that is not an integer.
std::int32_t readSkinInteger(std::string_view text, std::int32_t fallback);

// The strict read: a conversion error naming the text when it is not an integer.
Result<std::int32_t> convertSkinInteger(std::string_view text);
std::string conversionErrorText(std::string_view text);

// A number with "." as the decimal separator whatever the locale; malformed text gives 0.
double readSkinNumber(std::string_view text);

}  // namespace tavra
