#include "base/Text.h"

#include <array>

namespace tavra {
namespace {

// Code points of CP1251 bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F. 0x98 is unassigned.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039,
    0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408,
    0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB,
    0x0458, 0x0405, 0x0455, 0x0457};

}  // namespace

std::u32string utf8ToCodePoints(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    auto b0 = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b0 < 0x80) { out.push_back(b0); ++i; continue; }
    if ((b0 & 0xE0) == 0xC0) { extra = 1; cp = b0 & 0x1F; }
    else if ((b0 & 0xF0) == 0xE0) { extra = 2; cp = b0 & 0x0F; }
    else if ((b0 & 0xF8) == 0xF0) { extra = 3; cp = b0 & 0x07; }
    else { out.push_back(0xFFFD); ++i; continue; }
    if (i + static_cast<size_t>(extra) >= text.size()) {  // truncated sequence
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      auto b = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((b & 0xC0) != 0x80) { ok = false; break; }
      cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (!ok || cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    out.push_back(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp <= 0x10FFFF) {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    appendUtf8(out, 0xFFFD);
  }
}

std::string codePointsToUtf8(std::u32string_view codePoints) {
  std::string out;
  out.reserve(codePoints.size());
  for (char32_t cp : codePoints) appendUtf8(out, cp);
  return out;
}

std::u16string utf8ToUtf16(std::string_view text) {
  std::u16string out;
  for (char32_t cp : utf8ToCodePoints(text)) {
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::optional<std::uint8_t> cp1251FromCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<std::uint8_t>(cp);
  if (cp >= 0x0410 && cp <= 0x044F) return static_cast<std::uint8_t>(cp - 0x0410 + 0xC0);
  for (size_t i = 0; i < kCp1251High.size(); ++i) {
    if (kCp1251High[i] == cp && cp != 0xFFFD) return static_cast<std::uint8_t>(0x80 + i);
  }
  return std::nullopt;
}

char32_t codePointFromCp1251(std::uint8_t byte) {
  if (byte < 0x80) return byte;
  if (byte >= 0xC0) return 0x0410 + (byte - 0xC0);
  return kCp1251High[byte - 0x80];
}

std::string utf8ToCp1251(std::string_view text) {
  std::string out;
  for (char32_t cp : utf8ToCodePoints(text)) {
    auto b = cp1251FromCodePoint(cp);
    out.push_back(static_cast<char>(b ? *b : '?'));
  }
  return out;
}

std::string cp1251ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) appendUtf8(out, codePointFromCp1251(static_cast<std::uint8_t>(c)));
  return out;
}

std::string toUpperUtf8(std::string_view text) {
  std::u32string cps = utf8ToCodePoints(text);
  for (char32_t& cp : cps) {
    if (cp >= 'a' && cp <= 'z') cp -= 32;
    else if (cp >= 0x0430 && cp <= 0x044F) cp -= 0x20;
    else if (cp >= 0x0450 && cp <= 0x045F) cp -= 0x50;
  }
  return codePointsToUtf8(cps);
}

std::string toLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  }
  return out;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() == b.size()) {
    bool same = true;
    for (size_t i = 0; i < a.size() && same; ++i) same = a[i] == b[i];
    if (same) return true;
  }
  return toUpperUtf8(a) == toUpperUtf8(b);
}

std::string_view trimmed(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned char>(text[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(text[e - 1]) <= 32) --e;
  return text.substr(b, e - b);
}

}  // namespace tavra
