// Which skin a name finds: a package, then an unpacked folder, then an internal skin of exactly
// that name, then the first internal skin, else none; names of files and folders in any case.
#include "ManagerFixture.h"

namespace tavra::test {
namespace {

namespace fs = std::filesystem;

class SkinChoiceTest : public ManagerTest {};

TEST_F(SkinChoiceTest, PackageBeatsFolderAndInternalSkin) {
  writeFile(temp.path() / "Rhombus.asz", skinPackage("package"));
  writeSkinFolder(temp.path() / "Rhombus", "folder");
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)", "Rhombus"}));
  sm.setSkinName("Rhombus");
  EXPECT_EQ(author(sm), "package");
  EXPECT_EQ(sm.skinName(), "Rhombus");
  EXPECT_TRUE(sm.IsPacked());
  EXPECT_EQ(sm.model().SkinData.SkinPath, temp.str() + "/");
  EXPECT_EQ(sm.skinInfo(), "6.14");
}

TEST_F(SkinChoiceTest, FolderBeatsInternalSkin) {
  writeSkinFolder(temp.path() / "Rhombus", "folder");
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)", "Rhombus"}));
  sm.setSkinName("Rhombus");
  EXPECT_EQ(author(sm), "folder");
  EXPECT_FALSE(sm.IsPacked());
  EXPECT_EQ(sm.model().SkinData.SkinPath, temp.str() + "/Rhombus/");
}

TEST_F(SkinChoiceTest, FolderWithoutOptionsIsPassedOver) {
  fs::create_directories(temp.path() / "Rhombus");
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)", "Rhombus"}));
  sm.setSkinName("Rhombus");
  EXPECT_EQ(author(sm), "Rhombus");
  EXPECT_TRUE(sm.IsPacked());
  EXPECT_EQ(sm.model().SkinData.SkinPath, "");
}

struct InternalCase {
  const char* asked;
  const char* shown;  // the internal skin loaded, and the name the manager reads afterwards
};

class InternalSkinChoiceTest : public SkinChoiceTest, public ::testing::WithParamInterface<InternalCase> {};

TEST_P(InternalSkinChoiceTest, ExactNameElseFirstInternalSkin) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)", "Beijing (internal)", "Rhombus (internal)"}));
  sm.setSkinName(GetParam().asked);
  EXPECT_EQ(author(sm), GetParam().shown);
  EXPECT_EQ(sm.skinName(), GetParam().shown);
  EXPECT_TRUE(sm.active());
}

INSTANTIATE_TEST_SUITE_P(Names, InternalSkinChoiceTest,
                         ::testing::Values(InternalCase{"Rhombus (internal)", "Rhombus (internal)"},
                                           InternalCase{"Beijing (internal)", "Beijing (internal)"},
                                           // Letter case counts for internal skins.
                                           InternalCase{"rhombus (internal)", "Acryl (internal)"},
                                           // Names of the covers menu find no internal skin.
                                           InternalCase{"Rhombus", "Acryl (internal)"},
                                           InternalCase{"Bluelce", "Acryl (internal)"},
                                           InternalCase{"Office 12Style ", "Acryl (internal)"}));

TEST_F(SkinChoiceTest, NoInternalSkinsAndNothingFoundSwitchesSkinningOff) {
  TsSkinManager& sm = makeManager();
  makeForm("form");
  writeFile(temp.path() / "Wood.asz", skinPackage("wood"));
  sm.setSkinName("Wood");
  ASSERT_EQ(author(sm), "wood");
  log.clear();

  sm.setSkinName("Rhombus");
  EXPECT_FALSE(sm.active());
  EXPECT_EQ(sm.skinName(), "Rhombus");
  EXPECT_EQ(sm.skinInfo(), "N/A");
  EXPECT_TRUE(sm.model().Sections.empty());
  EXPECT_EQ(sm.model().CommonIndices.GlobalInfo, -1);
  EXPECT_EQ(log.lines(), std::vector<std::string>{"form:SKC_REMOVESKIN"});
  // Later names are only stored.
  sm.setSkinName("Wood");
  EXPECT_FALSE(sm.active());
  EXPECT_TRUE(sm.model().Sections.empty());
}

TEST_F(SkinChoiceTest, PackageAndFolderNamesIgnoreLetterCase) {
  writeFile(temp.path() / "RHOMBUS.ASZ", skinPackage("package"));
  writeSkinFolder(temp.path() / "wood", "folder");
  fs::rename(temp.path() / "wood" / "Options.dat", temp.path() / "wood" / "OPTIONS.DAT");
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Rhombus");
  EXPECT_EQ(author(sm), "package");
  EXPECT_EQ(sm.skinName(), "Rhombus");
  sm.setSkinName("Wood");
  EXPECT_EQ(author(sm), "folder");
  EXPECT_EQ(sm.model().SkinData.SkinPath, temp.str() + "/wood/");
}

TEST_F(SkinChoiceTest, PackageTestUsesTheFolderTextAsStored) {
  // A relative folder text: the package is looked for under the current directory, the
  // unpacked folder beside the executable.
  const fs::path cwd = fs::current_path();
  fs::current_path(temp.path());
  writeFile(temp.path() / "rel" / "Sand.asz", skinPackage("relative package"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinDirectory("rel");
  sm.setSkinName("Sand");
  fs::current_path(cwd);
  EXPECT_EQ(author(sm), "relative package");
  EXPECT_EQ(sm.ResolveSkinDirectory(), executableFolder() + "rel");
}

TEST_F(SkinChoiceTest, SkinNameWhileInactiveIsOnlyStored) {
  writeFile(temp.path() / "Wood.asz", skinPackage("wood"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setActive(false);
  sm.setSkinName("Wood");
  EXPECT_EQ(sm.skinName(), "Wood");
  EXPECT_TRUE(sm.model().Sections.empty());
  EXPECT_EQ(sm.skinInfo(), "N/A");
  sm.setActive(true);
  EXPECT_EQ(author(sm), "wood");
  EXPECT_EQ(sm.skinInfo(), "6.14");
}

TEST_F(SkinChoiceTest, SkinDirectoryAssignmentSetsTheSkinPathOnlyWhenItChanges) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Acryl (internal)");
  ASSERT_EQ(sm.model().SkinData.SkinPath, "");
  sm.setSkinDirectory(temp.str());
  EXPECT_EQ(sm.model().SkinData.SkinPath, "");
  sm.setSkinDirectory(temp.str() + "/other");
  EXPECT_EQ(sm.model().SkinData.SkinPath, temp.str() + "/other/");
  EXPECT_EQ(author(sm), "Acryl (internal)");
}

}  // namespace
}  // namespace tavra::test
