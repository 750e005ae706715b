#include <gtest/gtest.h>

#include "base/Text.h"

namespace tavra {
namespace {

struct Cp1251Case {
  const char* utf8;
  std::uint8_t cp1251;
};

TEST(Cp1251, TableRoundTrips) {
  const Cp1251Case cases[] = {
      {"Ё", 0xA8}, {"ё", 0xB8}, {"№", 0xB9}, {"А", 0xC0}, {"я", 0xFF}, {"Я", 0xDF}, {"а", 0xE0},
      {"A", 0x41}, {"€", 0x88}, {"—", 0x97}, {"«", 0xAB}, {"»", 0xBB}, {"\xC2\xA0", 0xA0}, {"ў", 0xA2},
  };
  for (const Cp1251Case& c : cases) {
    const std::string bytes = utf8ToCp1251(c.utf8);
    ASSERT_EQ(bytes.size(), 1u) << c.utf8;
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[0]), c.cp1251) << c.utf8;
    EXPECT_EQ(cp1251ToUtf8(bytes), c.utf8);
  }
}

TEST(Cp1251, EveryAssignedByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    if (b == 0x98) continue;  // unassigned in CP1251
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(one)), one) << b;
  }
}

TEST(Cp1251, CharactersOutsideBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1251("a漢b"), "a?b");
  EXPECT_FALSE(cp1251FromCodePoint(U'漢').has_value());
  EXPECT_FALSE(cp1251FromCodePoint(0xFFFD).has_value());
}

TEST(Utf8, InvalidSequencesBecomeReplacementCharacters) {
  struct Case {
    std::string input;
    std::u32string expected;
  };
  const Case cases[] = {
      {"\xFF" "a", U"\uFFFDa"},
      {"\xC3", U"\uFFFD"},                    // truncated two-byte sequence
      {"\xC3(", U"\uFFFD("},                  // bad continuation byte
      {"\xC0\xAF", U"\uFFFD\uFFFD"},          // overlong '/'
      {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},  // surrogate
      {"\xF0\x9F\x98\x80", U"\U0001F600"},
      {"Ёж", U"Ёж"},
  };
  for (const Case& c : cases) EXPECT_EQ(utf8ToCodePoints(c.input), c.expected) << c.input;
  EXPECT_EQ(codePointsToUtf8(U"Ёж\U0001F600"), "Ёж\xF0\x9F\x98\x80");
  EXPECT_EQ(utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
}

TEST(Text, UpperCaseAndComparisonCoverCyrillic) {
  EXPECT_EQ(toUpperUtf8("ёлка Skin"), "ЁЛКА SKIN");
  EXPECT_TRUE(equalsIgnoreCase("Фон.BMP", "фон.bmp"));
  EXPECT_FALSE(equalsIgnoreCase("фон", "фоны"));
  EXPECT_EQ(trimmed("  \t x y \r\n"), "x y");
}

}  // namespace
}  // namespace tavra
