#include "skin/data/SkinValues.h"

#include <charconv>

#include "base/Text.h"

namespace tavra {

std::string upperName(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80) return toUpperUtf8(text);
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  }
  return out;
}

bool containsText(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::optional<std::int32_t> parseSkinInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  text.remove_prefix(i);
  if (text.empty()) return std::nullopt;

  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    std::string_view digits = text.substr(2);
    if (digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    return static_cast<std::int32_t>(value);
  }

  bool negative = false;
  if (text[0] == '+' || text[0] == '-') {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text[0] < '0' || text[0] > '9') return std::nullopt;
  std::int64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value > 2147483647LL || value < -2147483648LL) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::int32_t readSkinInteger(std::string_view text, std::int32_t fallback) {
  return parseSkinInteger(text).value_or(fallback);
}

std::string conversionErrorText(std::string_view text) {
  return "'" + std::string(text) + "' is not a valid integer value";
}

Result<std::int32_t> convertSkinInteger(std::string_view text) {
  if (auto value = parseSkinInteger(text)) return *value;
  return Error{conversionErrorText(text)};
}

double readSkinNumber(std::string_view text) {
  text = trimmed(text);
  if (!text.empty() && text[0] == '+') text.remove_prefix(1);
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return 0;
  return value;
}

}  // namespace tavra
