// A manager read from a form's stored settings: the stored skin is loaded at once and announced
// when the form has finished loading; the creation handler then picks the program's skin.
#include "ManagerFixture.h"

namespace tavra::test {
namespace {

struct Observed {
  std::string skinInfoWhileLoading;
  size_t sectionsWhileLoading = 0;
  size_t commandsWhileLoading = 0;
};

// A form whose layout creates a manager with stored settings, as the main window's does.
class StoredSettingsForm : public TForm {
 public:
  StoredSettingsForm(TComponent* owner, CommandLog& log, const std::string& folder, Observed& observed) : TForm(owner) {
    setName("stored");
    sm = &make<TsSkinManager>();
    sm->setInternalSkins(internalSkins({"Acryl (internal)", "Beijing (internal)"}));
    sm->setSkinDirectory("c:\\Skins");
    sm->setSkinName("Beijing (internal)");
    sm->setSkinInfo("6.14");
    observed.skinInfoWhileLoading = sm->skinInfo();
    observed.sectionsWhileLoading = sm->model().Sections.size();
    observed.commandsWhileLoading = log.entries.size();
    OnCreate = [this, folder](TComponent&) {
      sm->setSkinDirectory(folder);
      sm->setSkinName("Rhombus");
    };
  }
  TsSkinManager* sm = nullptr;
};

class LifecycleTest : public ManagerTest {
 protected:
  Observed observed;
  StoredSettingsForm& createStoredSettingsForm() {
    auto owned = std::make_unique<StoredSettingsForm>(&driver.app(), log, temp.str(), observed);
    StoredSettingsForm& form = *owned;
    driver.app().adopt(std::move(owned));
    form.finishCreation();
    return form;
  }
};

TEST_F(LifecycleTest, StoredSkinLoadedAtOnceAnnouncedAtTheEndOfLoading) {
  makeForm("earlier");
  log.clear();
  // The creation handler's name finds a package in the folder it sets.
  writeFile(temp.path() / "Rhombus.asz", skinPackage("rhombus package"));
  std::vector<std::string> atEndOfLoading;
  int changes = 0;
  StoredSettingsForm& form = [&]() -> StoredSettingsForm& {
    auto owned = std::make_unique<StoredSettingsForm>(&driver.app(), log, temp.str(), observed);
    StoredSettingsForm& f = *owned;
    f.sm->OnAfterChange = [&](TComponent&) { ++changes; };
    driver.app().adopt(std::move(owned));
    // Before the creation handler runs: what the end of loading announced.
    auto handler = f.OnCreate;
    f.OnCreate = [&, handler](TComponent& s) {
      atEndOfLoading = log.lines();
      EXPECT_EQ(f.sm->skinInfo(), "6.14");
      EXPECT_EQ(f.sm->model().SkinData.Author, "Beijing (internal)");
      handler(s);
    };
    f.finishCreation();
    return f;
  }();

  // Loaded at once, not yet announced.
  EXPECT_EQ(observed.skinInfoWhileLoading, "N/A");
  EXPECT_GT(observed.sectionsWhileLoading, 0u);
  EXPECT_EQ(observed.commandsWhileLoading, 0u);
  // The end of loading: SKC_REFRESH to the windows that exist, nothing else.
  EXPECT_EQ(atEndOfLoading, std::vector<std::string>{"earlier:SKC_REFRESH"});
  // The creation handler's choice: announced with repaint.
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"earlier:SKC_REFRESH", "earlier:SKC_REFRESH", "earlier:SKC_FADEDONE",
                                                   "earlier:SKC_SETSKIN"}));
  EXPECT_EQ(form.sm->model().SkinData.Author, "rhombus package");
  EXPECT_EQ(form.sm->skinName(), "Rhombus");
  EXPECT_EQ(form.sm->skinDirectory(), temp.str());
  EXPECT_TRUE(form.sm->isDefault());
  EXPECT_TRUE(form.sm->HooksInstalled());
  EXPECT_EQ(changes, 1);
}

TEST_F(LifecycleTest, WithoutTheSkinFolderTheFirstInternalSkinIsShown) {
  StoredSettingsForm& form = createStoredSettingsForm();
  EXPECT_EQ(form.sm->model().SkinData.Author, "Acryl (internal)");
  EXPECT_EQ(form.sm->skinName(), "Acryl (internal)");
  EXPECT_EQ(form.sm->skinInfo(), "6.14");
}

TEST_F(LifecycleTest, CreationDefaults) {
  TsSkinManager& sm = driver.app().make<TsSkinManager>();
  EXPECT_TRUE(sm.active());
  EXPECT_EQ(sm.skinDirectory(), "c:\\Skins");
  EXPECT_EQ(sm.skinName(), "");
  EXPECT_EQ(sm.skinInfo(), "N/A");
  EXPECT_EQ(sm.version(), "6.23");
  sm.setVersion("1.0");
  EXPECT_EQ(sm.version(), "6.23");
  EXPECT_EQ(sm.hueOffset(), 0);
  EXPECT_TRUE(sm.skinnedPopups());
  EXPECT_TRUE(sm.AllowGlowing);
  EXPECT_EQ(sm.SkinningRules, srStdForms | srStdDialogs | srThirdParty);
  EXPECT_EQ(sm.MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_EQ(sm.MenuSupport.ExtraLineWidth, 32);
  EXPECT_FALSE(sm.MenuSupport.UseExtraLine);
  EXPECT_EQ(sm.AnimEffects.SkinChanging.Time, 100);
  EXPECT_TRUE(sm.AnimEffects.SkinChanging.Active);
  EXPECT_EQ(sm.AnimEffects.FormShow.Time, 0);
  EXPECT_EQ(sm.AnimEffects.Buttons.Events, beMouseEnter | beMouseLeave | beMouseDown | beMouseUp);
  EXPECT_EQ(sm.ThirdParty.ThirdButtons, "TButton");
  EXPECT_EQ(sm.ThirdParty.ThirdEdits, " ");
  ASSERT_EQ(sm.ThirdPartyClassLists().size(), 17u);
  EXPECT_EQ(sm.ThirdPartyClassLists()[1], std::vector<std::string>{"TButton"});
  EXPECT_TRUE(sm.ThirdPartyClassLists()[0].empty());
  EXPECT_FALSE(sm.model().SkinData.Active);
  EXPECT_FALSE(sm.HooksInstalled());
}

TEST_F(LifecycleTest, EndOfLoadingFillsEmptySettings) {
  auto owned = std::make_unique<ProbeForm>(&driver.app(), log);
  ProbeForm& form = *owned;
  driver.app().adopt(std::move(owned));
  TsSkinManager& sm = form.make<TsSkinManager>();
  sm.setSkinDirectory("");
  sm.MenuSupport.IcoLineSkin.clear();
  sm.ThirdParty.ThirdButtons.clear();
  sm.ThirdParty.ThirdGrids = "TStringGrid\n  TDrawGrid  \n";
  form.finishCreation();
  EXPECT_EQ(sm.skinDirectory(), "c:\\Skins");
  EXPECT_EQ(sm.MenuSupport.IcoLineSkin, "ICOLINE");
  EXPECT_EQ(sm.ThirdParty.ThirdButtons, "TButton");
  EXPECT_EQ(sm.ThirdPartyClassLists()[7], (std::vector<std::string>{"TStringGrid", "TDrawGrid"}));
}

TEST_F(LifecycleTest, ErrorWhileReadingStoredSettingsGoesToTheErrorBox) {
  driver.app().setTitle("Tavra");
  auto owned = std::make_unique<ProbeForm>(&driver.app(), log);
  ProbeForm& form = *owned;
  driver.app().adopt(std::move(owned));
  TsSkinManager& sm = form.make<TsSkinManager>();
  TsStoredSkins skins = internalSkins({"Broken (internal)"});
  skins.items()[0].Data = textBytes("ASzf");
  sm.setInternalSkins(std::move(skins));
  sm.setSkinName("Broken (internal)");
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::Error);
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_EQ(sm.skinName(), "");
  form.finishCreation();
  EXPECT_EQ(sm.skinInfo(), "N/A");
  EXPECT_FALSE(sm.model().SkinData.Active);
}

TEST_F(LifecycleTest, VersionNoticeForNewerSkinsWhichAreUsedAnyway) {
  driver.app().setTitle("Tavra");
  writeFile(temp.path() / "New.asz", skinPackage("new", "6.3"));
  writeFile(temp.path() / "Old.asz", skinPackage("old", "5.5"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("New");
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::None);
  EXPECT_EQ(driver.boxes[0].text,
            "This version of skin have not complete support by used CorvexKit package release.\n"
            "Components must be updated to latest version for using this skin.");
  EXPECT_EQ(author(sm), "new");
  EXPECT_EQ(sm.skinInfo(), "6.3");
  sm.setSkinName("Old");
  EXPECT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(sm.skinInfo(), "5.5");
  sm.setSkinInfo("9.99");
  EXPECT_EQ(sm.skinInfo(), "5.5");
}

TEST_F(LifecycleTest, CommonSectionsReloadTheSkinWithThem) {
  writeFile(temp.path() / "Wood.asz", skinPackage("wood"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Wood");
  ASSERT_LT(sm.model().FindSection("MYSECTION"), 0);
  sm.setCommonSections({"[MYSECTION]", "COLOR = 65280", "; a comment stays as it is"});
  EXPECT_EQ(sm.commonSections(), (std::vector<std::string>{"[MYSECTION]", "COLOR=65280", "; a comment stays as it is"}));
  const int index = sm.model().FindSection("MYSECTION");
  ASSERT_GE(index, 0);
  EXPECT_EQ(sm.model().Sections[static_cast<size_t>(index)].Color, rgb(0, 255, 0));
  EXPECT_EQ(author(sm), "wood");
}

}  // namespace
}  // namespace tavra::test
