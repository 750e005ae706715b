#include <gtest/gtest.h>

#include "skin/data/IniStore.h"
#include "skin/data/SkinValues.h"

namespace tavra {
namespace {

TEST(IniStore, TrimsSkipsCommentsAndSplitsAtTheFirstEquals) {
  const IniStore store = IniStore::parse(
      "KEY=before any section\r\n"
      "  [ GLOBALINFO ]  \r\n"
      "\r\n"
      "; a comment=1\r\n"
      "  VERSION =  6.14  \r\n"
      "GRADIENTDATA=1;2;3;4;5=6\r\n"
      "NOVALUE\r\n"
      "EMPTY=\r\n"
      "\t[BUTTON]\n"
      "COLOR=255\r"
      "[Last]");
  ASSERT_EQ(store.sections().size(), 3u);
  EXPECT_EQ(store.sections()[0].name, "GLOBALINFO");
  EXPECT_EQ(store.sections()[1].name, "BUTTON");
  EXPECT_EQ(store.sections()[2].name, "Last");
  const auto& entries = store.sections()[0].entries;
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[0].key, "VERSION");
  EXPECT_EQ(entries[0].value, "6.14");
  EXPECT_EQ(entries[1].value, "1;2;3;4;5=6");
  EXPECT_EQ(entries[2].key, "NOVALUE");
  EXPECT_EQ(entries[2].value, "");
  EXPECT_EQ(entries[3].key, "EMPTY");
  EXPECT_EQ(store.readString("BUTTON", "COLOR", "x"), "255");
  EXPECT_EQ(store.findValue("GLOBALINFO", "KEY"), nullptr);
}

TEST(IniStore, LookupsIgnoreCaseAndFindTheFirstMatch) {
  const IniStore store = IniStore::parse(
      "[Button]\nColor=1\nCOLOR=2\n"
      "[BUTTON]\nCOLOR=3\nHOT=4\n"
      "[Кнопка]\nцвет=5\n");
  ASSERT_EQ(store.sections().size(), 3u);
  EXPECT_EQ(store.findSection("BUTTON"), 0);
  EXPECT_EQ(store.findSection("button"), 0);
  EXPECT_EQ(store.readString("BUTTON", "color", "-"), "1");
  EXPECT_EQ(store.readString("button", "HOT", "-"), "-");  // only the first BUTTON is looked in
  EXPECT_EQ(store.sections()[0].entries.size(), 2u);       // duplicates are kept in order
  EXPECT_EQ(store.readString("КНОПКА", "ЦВЕТ", "-"), "5");
  EXPECT_EQ(store.findSection("MISSING"), -1);
  EXPECT_EQ(store.readString("MISSING", "COLOR", "default"), "default");
}

TEST(IniStore, ReadsCp1251Text) {
  const std::string bytes = "[GLOBALINFO]\r\nAUTHOR=\xC8\xE2\xE0\xED\r\n";  // "Иван" in CP1251
  const IniStore store = IniStore::parseCp1251(bytes);
  EXPECT_EQ(store.readString("GLOBALINFO", "AUTHOR", ""), "Иван");
}

TEST(SkinValues, IntegerForms) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},          {"16777215", 16777215},    {"-1", -1},       {"+12", 12},
      {"  7", 7},        {"0x10", 16},              {"0XfF", 255},    {"0xFFFFFFFF", -1},
      {"0x1FFFFFFFF", {}}, {"2147483647", 2147483647}, {"2147483648", {}}, {"-2147483648", -2147483647 - 1},
      {"", {}},          {"-", {}},                 {"12a", {}},      {"7 ", {}},
      {"6.14", {}},      {"0x", {}},                {"N/A", {}},      {"--1", {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(parseSkinInteger(c.text), c.value) << '"' << c.text << '"';
  }
  EXPECT_EQ(readSkinInteger("abc", 42), 42);
  auto strict = convertSkinInteger("abc");
  ASSERT_FALSE(strict);
  EXPECT_EQ(strict.error(), "'abc' is not a valid integer value");
}

TEST(SkinValues, NumbersUseAPointWhateverTheLocale) {
  EXPECT_DOUBLE_EQ(readSkinNumber("6.14"), 6.14);
  EXPECT_DOUBLE_EQ(readSkinNumber("6"), 6.0);
  EXPECT_DOUBLE_EQ(readSkinNumber("-1.5"), -1.5);
  EXPECT_DOUBLE_EQ(readSkinNumber("6,14"), 0.0);
  EXPECT_DOUBLE_EQ(readSkinNumber("abc"), 0.0);
  EXPECT_DOUBLE_EQ(readSkinNumber(""), 0.0);
}

}  // namespace
}  // namespace tavra
