#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "base/Files.h"

namespace tavra {
namespace {
namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("tavra-files-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_ / "Курс Лекций" / "Глава 1");
    write(root_ / "Курс Лекций" / "Глава 1" / "Стр 01.HTM", "page");
  }
  void TearDown() override { fs::remove_all(root_); }
  static void write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

  fs::path root_;
};

TEST_F(FilesTest, FindsPathWhateverTheCaseOfCyrillicAndSpacedNames) {
  const std::string expected = (root_ / "Курс Лекций" / "Глава 1" / "Стр 01.HTM").string();
  EXPECT_EQ(findPathIgnoringCase(expected), expected);
  EXPECT_EQ(findPathIgnoringCase((root_ / "КУРС лекций" / "глава 1" / "стр 01.htm").string()), expected);
  EXPECT_EQ(findPathIgnoringCase((root_ / "курс лекций" / "ГЛАВА 1").string()), (root_ / "Курс Лекций" / "Глава 1").string());
}

TEST_F(FilesTest, MissingComponentGivesEmpty) {
  EXPECT_EQ(findPathIgnoringCase((root_ / "курс лекций" / "глава 2" / "стр 01.htm").string()), "");
  EXPECT_EQ(findPathIgnoringCase((root_ / "Курс Лекций" / "Глава 1" / "Стр 02.HTM").string()), "");
  EXPECT_EQ(findPathIgnoringCase(""), "");
}

TEST_F(FilesTest, ReadsWithinBoundAndRefusesLarger) {
  const std::string path = (root_ / "Курс Лекций" / "Глава 1" / "Стр 01.HTM").string();
  auto text = readFileText(path);
  ASSERT_TRUE(text.ok()) << text.error();
  EXPECT_EQ(*text, "page");
  auto tooBig = readFileBytes(path, 3);
  ASSERT_FALSE(tooBig.ok());
  EXPECT_NE(tooBig.error().find("too large"), std::string::npos);
  EXPECT_FALSE(readFileBytes((root_ / "nothing").string()).ok());
  EXPECT_TRUE(fileExists(path));
  EXPECT_FALSE(fileExists((root_ / "Курс Лекций").string()));
  EXPECT_TRUE(directoryExists((root_ / "Курс Лекций").string()));
}

}  // namespace
}  // namespace tavra
