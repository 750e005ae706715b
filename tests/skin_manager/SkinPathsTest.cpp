#include <gtest/gtest.h>

#include <filesystem>

#include "skin/manager/SkinPaths.h"

namespace tavra {
namespace {

struct ResolveCase {
  const char* appFolder;
  const char* skinDirectory;
  const char* expected;
};

class ResolveSkinDirectoryTest : public ::testing::TestWithParam<ResolveCase> {};

TEST_P(ResolveSkinDirectoryTest, GivesTheAbsoluteFolder) {
  const ResolveCase& c = GetParam();
  EXPECT_EQ(resolveSkinDirectory(c.appFolder, c.skinDirectory), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ResolveSkinDirectoryTest,
    ::testing::Values(
        // A plain name lies beside the executable.
        ResolveCase{"/opt/tavra/bin/", "skins", "/opt/tavra/bin/skins"},
        ResolveCase{"/opt/tavra/bin/", "sub\\skins", "/opt/tavra/bin/sub/skins"},
        // ".." and a separator: the folder above the executable's.
        ResolveCase{"/opt/tavra/bin/", "..\\skins", "/opt/tavra/skins"},
        ResolveCase{"/opt/tavra/bin/", "../skins", "/opt/tavra/skins"},
        // "." and a separator: the executable's folder.
        ResolveCase{"/opt/tavra/bin/", ".\\skins", "/opt/tavra/bin/skins"},
        ResolveCase{"/opt/tavra/bin/", "./skins", "/opt/tavra/bin/skins"},
        // Full paths stay as they are: a drive letter, a network path, a native absolute path.
        ResolveCase{"/opt/tavra/bin/", "c:\\Skins", "c:\\Skins"},
        ResolveCase{"/opt/tavra/bin/", "\\\\server\\skins", "\\\\server\\skins"},
        ResolveCase{"/opt/tavra/bin/", "/srv/skins", "/srv/skins"},
        // Above the root folder there is only the root.
        ResolveCase{"/", "../skins", "/skins"},
        ResolveCase{"/bin/", "../skins", "/skins"}));

struct PackageCase {
  const char* skinDirectory;
  const char* name;
  const char* expected;
};

class SkinPackagePathTest : public ::testing::TestWithParam<PackageCase> {};

TEST_P(SkinPackagePathTest, UsesTheFolderAsStored) {
  const PackageCase& c = GetParam();
  EXPECT_EQ(skinPackagePath(c.skinDirectory, c.name), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Forms, SkinPackagePathTest,
                         ::testing::Values(PackageCase{"/opt/skins", "Rhombus", "/opt/skins/Rhombus.asz"},
                                           PackageCase{"/opt/skins/", "Rhombus", "/opt/skins/Rhombus.asz"},
                                           PackageCase{"skins\\", "Rhombus", "skins/Rhombus.asz"},
                                           PackageCase{"c:\\Skins", "Office 12Style ", "c:/Skins/Office 12Style .asz"},
                                           PackageCase{"d", "Wood", "d:/Wood.asz"},
                                           PackageCase{"", "Wood", "Wood.asz"}));

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram) {
  const std::string folder = executableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  // The tests run from the build's "tests" folder, beside its "bin".
  const std::filesystem::path tests = std::filesystem::path(TAVRA_BIN_DIR).parent_path() / "tests";
  EXPECT_EQ(std::filesystem::canonical(folder), std::filesystem::canonical(tests));
}

}  // namespace
}  // namespace tavra
