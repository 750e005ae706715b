// Content paths: the root of the executable's folder followed directly by a relative path.
#include <gtest/gtest.h>

#include <filesystem>

#include "program/ContentPaths.h"

namespace tavra::test {
namespace {

TEST(ContentPaths, RootIsTheExecutablesFolderWithItsSeparator) {
  struct Case {
    const char* executable;
    const char* root;
  };
  for (const Case& c : {Case{"/opt/tavra/tavra", "/opt/tavra/"}, Case{"/home/студент/Мой курс/tavra", "/home/студент/Мой курс/"},
                        Case{"C:\\Course\\tavra.exe", "C:\\Course\\"}, Case{"C:tavra.exe", "C:"}, Case{"tavra", ""}}) {
    EXPECT_EQ(content::rootOfExecutable(c.executable), c.root) << c.executable;
  }
}

TEST(ContentPaths, RelativePathsAreAppendedUnchanged) {
  struct Case {
    std::string relative;
    const char* full;
  };
  const char* root = "/home/студент/Мой курс/";
  for (const Case& c : {Case{"mat\\1.0.mht", "/home/студент/Мой курс/mat/1.0.mht"},
                        Case{content::tocPage(0), "/home/студент/Мой курс/mat/priv.mht"},
                        Case{content::tocPage(34), "/home/студент/Мой курс/mat/spis.mht"},
                        Case{std::string(content::kGlossary), "/home/студент/Мой курс/mat/gloss.mht"},
                        Case{content::examplesPage(3), "/home/студент/Мой курс/prim/g3.mht"},
                        Case{content::tasksPage(1), "/home/студент/Мой курс/zd/g1.mht"},
                        Case{content::questionsPage(4), "/home/студент/Мой курс/vop/g4.mht"},
                        Case{content::appendixPage(content::kAppendixPages[8]), "/home/студент/Мой курс/pril/4.3.2.mht"},
                        Case{content::testQuestion(3, 10), "/home/студент/Мой курс/test/v3/10.mht"},
                        Case{std::string(content::kTestStart), "/home/студент/Мой курс/test/priv.mht"},
                        Case{std::string(content::kHelp), "/home/студент/Мой курс/help.mht"},
                        Case{std::string(content::kBanner), "/home/студент/Мой курс/flash.swf"},
                        Case{std::string(content::kSkins), "/home/студент/Мой курс/skins"}}) {
    EXPECT_EQ(content::pathUnder(root, c.relative), c.full) << c.relative;
  }
}

// The root is where the executable lies, whichever folder the program was started from.
TEST(ContentPaths, RootIsTheExecutablesFolderNotTheCurrentDirectory) {
  namespace fs = std::filesystem;
  const std::string testsFolder = fs::canonical(fs::path(TAVRA_BIN_DIR).parent_path() / "tests").string() + "/";
  const fs::path started = fs::current_path();
  EXPECT_EQ(content::root(), testsFolder);

  const fs::path elsewhere = fs::temp_directory_path();
  fs::current_path(elsewhere);
  const std::string rootElsewhere = content::root();
  const std::string helpElsewhere = content::path(content::kHelp);
  fs::current_path(started);
  EXPECT_EQ(rootElsewhere, testsFolder);
  EXPECT_EQ(helpElsewhere, testsFolder + "help.mht");
  EXPECT_NE(rootElsewhere, fs::canonical(elsewhere).string() + "/");
}

TEST(ContentPaths, MarkImagesAreRelativeToTheCurrentDirectory) {
  EXPECT_EQ(content::kMarkOk, "dmat/ok.png");
  EXPECT_EQ(content::kMarkNo, "dmat/no.png");
}

}  // namespace
}  // namespace tavra::test
