#pragma once
// Text conversions. Strings are UTF-8 throughout the program; skin options files are CP1251 and
// the personal-data key filter works on CP1251 codes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavra {

// Decodes UTF-8 into code points; an invalid sequence becomes U+FFFD and decoding goes on.
std::u32string utf8ToCodePoints(std::string_view text);
std::string codePointsToUtf8(std::u32string_view codePoints);
void appendUtf8(std::string& out, char32_t codePoint);
std::u16string utf8ToUtf16(std::string_view text);

// CP1251 byte of a code point, or nothing when CP1251 has no such character.
std::optional<std::uint8_t> cp1251FromCodePoint(char32_t codePoint);
char32_t codePointFromCp1251(std::uint8_t byte);
// Whole strings; characters outside CP1251 become '?'.
std::string utf8ToCp1251(std::string_view text);
std::string cp1251ToUtf8(std::string_view bytes);

// Upper case of ASCII and Cyrillic letters (the case rules of option names and file names).
std::string toUpperUtf8(std::string_view text);
std::string toLowerAscii(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);

// Trims spaces and control characters (codes up to 32) at both ends.
std::string_view trimmed(std::string_view text);

}  // namespace tavra
