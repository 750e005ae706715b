// The hot window, the list of skins, the default manager and the main window's skin settings.
#include "driver/program/ProgramStart.h"
#include <algorithm>

#include "ManagerFixture.h"
#include "app/Startup.h"
#include "skin/builtin/BuiltInSkins.h"
#include "program/ContentPaths.h"
#include "viewer/MainWindow.h"

namespace tavra::test {
namespace {

namespace fs = std::filesystem;

class HotWindowTest : public ManagerTest {};

TEST_F(HotWindowTest, LeaveGoesToThePreviousWindowEnterToTheNew) {
  TsSkinManager& sm = makeManager();
  ProbeForm& form = makeForm("form");
  auto& a = form.make<ProbeWinControl>(log, true);
  a.placeIn(form, "a");
  auto& b = form.make<ProbeWinControl>(log, true);
  b.placeIn(form, "b");
  log.clear();

  sm.ReportHotWindow(a.window());
  sm.ReportHotWindow(a.window());
  sm.ReportHotWindow(b.window());
  // A form's provider reports that no window is hot.
  sm.ReportHotWindow(nullptr);
  sm.ReportHotWindow(nullptr);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"a:SKC_MOUSEENTER", "a:SKC_MOUSELEAVE", "b:SKC_MOUSEENTER", "b:SKC_MOUSELEAVE"}));
  for (const CommandLog::Entry& e : log.entries) {
    EXPECT_EQ(e.lParam, sm.commandParam());
    EXPECT_TRUE(e.throughWindow);
  }
  EXPECT_EQ(sm.HotWindow(), nullptr);
}

TEST_F(HotWindowTest, AHotWindowThatIsGoneGetsNothing) {
  TsSkinManager& sm = makeManager();
  ProbeForm& form = makeForm("form");
  auto& a = form.make<ProbeWinControl>(log, true);
  a.placeIn(form, "a");
  auto& b = form.make<ProbeWinControl>(log, true);
  b.placeIn(form, "b");
  sm.ReportHotWindow(a.window());
  form.destroyComponent(a);
  log.clear();
  sm.ReportHotWindow(b.window());
  EXPECT_EQ(log.lines(), std::vector<std::string>{"b:SKC_MOUSEENTER"});
}

class ListSkinsTest : public ManagerTest {
 protected:
  void SetUp() override {
    for (const char* name : {"Zeta.asz", "amber.asz", "multi.part.asz", "Upper.ASZ", ".hidden.asz", "notes.txt"}) {
      writeFile(temp.path() / name, skinPackage(name));
    }
    writeSkinFolder(temp.path() / "Folder", "folder");
    writeSkinFolder(temp.path() / "lower", "lower");
    fs::rename(temp.path() / "lower" / "Options.dat", temp.path() / "lower" / "options.DAT");
    writeSkinFolder(temp.path() / ".hiddenFolder", "hidden");
    fs::create_directories(temp.path() / "Empty");
  }
};

TEST_F(ListSkinsTest, KindsSortedFirstNameFound) {
  TsSkinManager& sm = makeManager(internalSkins({"Beijing (internal)", "Acryl (internal)"}));
  std::vector<std::string> list;
  EXPECT_EQ(sm.ListSkins(list, SkinListKind::Both), "Beijing (internal)");
  EXPECT_EQ(list, (std::vector<std::string>{"Acryl (internal)", "amber", "Beijing (internal)", "Folder", "lower", "multi", "Zeta"}));
  sm.ListSkins(list, SkinListKind::Folders);
  EXPECT_EQ(list, (std::vector<std::string>{"Acryl (internal)", "Beijing (internal)", "Folder", "lower"}));
  sm.ListSkins(list, SkinListKind::Packages);
  EXPECT_EQ(list, (std::vector<std::string>{"Acryl (internal)", "amber", "Beijing (internal)", "multi", "Zeta"}));
}

TEST_F(ListSkinsTest, WithoutInternalSkinsTheFirstEntryFound) {
  TsSkinManager& sm = makeManager();
  std::vector<std::string> list{"stale"};
  const std::string first = sm.ListSkins(list, SkinListKind::Folders);
  EXPECT_EQ(list, (std::vector<std::string>{"Folder", "lower"}));
  EXPECT_TRUE(first == "Folder" || first == "lower") << first;
  sm.setSkinDirectory((temp.path() / "missing").string());
  EXPECT_EQ(sm.ListSkins(list, SkinListKind::Both), "");
  EXPECT_TRUE(list.empty());
}

class DefaultManagerTest : public ManagerTest {};

TEST_F(DefaultManagerTest, FirstCreatedUntilDestroyed) {
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  TsSkinManager& first = makeManager();
  TsSkinManager& second = makeManager();
  EXPECT_TRUE(first.isDefault());
  EXPECT_FALSE(second.isDefault());
  second.setIsDefault(false);
  EXPECT_TRUE(first.isDefault());

  driver.app().destroyComponent(first);
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_FALSE(second.isDefault());
  // Any value makes a manager the default while there is none.
  second.setIsDefault(false);
  EXPECT_TRUE(second.isDefault());
}

TEST_F(DefaultManagerTest, BecomingDefaultAnnouncesTheSkinOrRemovesIt) {
  TsSkinManager& first = makeManager();
  TsSkinManager& second = makeManager(internalSkins({"Acryl (internal)"}));
  second.setSkinName("Acryl (internal)");
  makeForm("form");
  log.clear();
  second.setIsDefault(true);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"form:SKC_REFRESH", "form:SKC_FADEDONE", "form:SKC_SETSKIN",
                                                   "form:SKC_FADEDONE", "form:SKC_SETSKIN"}));
  first.setActive(false);
  log.clear();
  first.setIsDefault(true);
  EXPECT_TRUE(first.isDefault());
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"form:SKC_REMOVESKIN"}));
}

TEST(MainWindowSkin, FormCreatePointsTheManagerAtTheSkinFolderAndSelectsRhombus) {
  HeadlessDriver driver;
  startProgram(driver);
  MainWindow* main = nullptr;
  for (TComponent* c : driver.app().components()) {
    if (auto* form = dynamic_cast<MainWindow*>(c)) main = form;
  }
  ASSERT_NE(main, nullptr);
  ASSERT_NE(main->sm, nullptr);
  EXPECT_EQ(main->sm->owner(), main);
  EXPECT_EQ(main->sm->name(), "sm");
  EXPECT_TRUE(main->sm->isDefault());
  EXPECT_EQ(main->sm->skinDirectory(), content::root() + "skins");
  EXPECT_EQ(main->sm->ResolveSkinDirectory(), content::root() + "skins");
  EXPECT_EQ(main->sm->internalSkins().count(), builtInSkins().count());
  if (main->sm->internalSkins().empty()) {
    // With no internal skins and no stored skin found, skinning went off while loading; the
    // creation handler's name is then only stored.
    EXPECT_FALSE(main->sm->active());
    EXPECT_EQ(main->sm->skinName(), "Rhombus");
  } else {
    EXPECT_TRUE(main->sm->active());
    EXPECT_NE(main->sm->skinInfo(), "N/A");
  }
}

}  // namespace
}  // namespace tavra::test
