// The program's own 51 skins: the internal list, the packages beside the program, and which
// skin start-up ends in with and without the skin folder.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "driver/harness/HeadlessDriver.h"
#include "driver/program/ProgramStart.h"
#include "skin/builtin/BuiltInSkins.h"
#include "skin/data/SkinModel.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/primitives/Contrast.h"
#include "program/ContentPaths.h"
#include "viewer/CoverNames.h"
#include "viewer/MainWindow.h"

namespace tavra {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string>& kCovers = kCoverNames;

// The internal name of a cover: the same name with " (internal)", four of them spelt otherwise.
std::string internalName(const std::string& cover) {
  if (cover == "Bluelce") return "BlueIce (internal)";
  if (cover == "Next Alpha2") return "NextAlpha2 (internal)";
  if (cover == "Next Alpha") return "NextAlpha (internal)";
  if (cover == "Office 12Style ") return "Office12Style (internal)";
  return cover + " (internal)";
}

TsSkinManager* mainManager(HeadlessDriver& driver) {
  for (TComponent* c : driver.app().components()) {
    if (auto* form = dynamic_cast<MainWindow*>(c)) return form->sm;
  }
  return nullptr;
}

const TsGeneralData* section(const SkinModel& model, const std::string& name) {
  for (const TsGeneralData& s : model.Sections) {
    if (s.SectionName == name) return &s;
  }
  return nullptr;
}

TEST(ProgramSkins, InternalSkinsAreTheFiftyOneCoversInMenuOrder) {
  const TsStoredSkins skins = builtInSkins();
  ASSERT_EQ(skins.count(), 51);
  EXPECT_EQ(skins.items().front().Name, "Acryl (internal)");
  for (size_t i = 0; i < kCovers.size(); ++i) EXPECT_EQ(skins.items()[i].Name, internalName(kCovers[i])) << "cover " << i + 1;
  EXPECT_EQ(skins.items()[4].Name, "BlueIce (internal)");
  EXPECT_EQ(skins.items()[26].Name, "NextAlpha2 (internal)");
  EXPECT_EQ(skins.items()[27].Name, "NextAlpha (internal)");
  EXPECT_EQ(skins.items()[28].Name, "Office12Style (internal)");
}

TEST(ProgramSkins, EveryInternalSkinLoadsWithTheSectionsTheWindowsName) {
  HeadlessDriver driver;
  startProgram(driver);
  TsSkinManager* sm = mainManager(driver);
  ASSERT_NE(sm, nullptr);
  int withIconLine = 0;
  std::set<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>> looks;
  for (const TsStoredSkin& skin : sm->internalSkins().items()) {
    SCOPED_TRACE(skin.Name);
    sm->setSkinName(skin.Name);
    ASSERT_EQ(sm->skinName(), skin.Name);
    const SkinModel& model = sm->model();
    EXPECT_EQ(sm->skinInfo(), "6.14");
    EXPECT_FALSE(model.MasterBitmap.isEmpty());
    for (const char* name : {"GLOBALINFO", "FORM", "FORMTITLE", "EDIT", "BAR", "BUTTON", "BUTTON_HUGE", "PANEL", "SPEEDBUTTON",
                             "GROUPBOX", "PAGECONTROL", "TABTOP", "TABBOTTOM", "HINT", "MAINMENU", "MENUITEM", "MENULINE"}) {
      EXPECT_NE(section(model, name), nullptr) << name;
    }
    // The border masks every window frame, button and edit is drawn with.
    for (const char* name : {"FORM", "FORMTITLE", "BUTTON", "BUTTON_HUGE", "EDIT", "TABTOP"}) {
      const TsGeneralData* s = section(model, name);
      ASSERT_NE(s, nullptr) << name;
      EXPECT_GE(s->BorderMask, 0) << name;
    }
    if (section(model, "ICOLINE")) ++withIconLine;
    const TsGeneralData* title = section(model, "FORMTITLE");
    const TsGeneralData* button = section(model, "BUTTON");
    const TsGeneralData* global = section(model, "GLOBALINFO");
    const TsGeneralData* panel = section(model, "PANEL");
    looks.insert({title->HotColor, button->Color, global->Color, panel->Color});
  }
  EXPECT_EQ(withIconLine, 25);
  // No two skins share their caption, button, window and panel colours.
  EXPECT_EQ(looks.size(), 51u);
}

// Effect labels take their ink from GLOBALINFO's TCLEFT and, in the skin's shadow mode, their
// halo from SHADOW1; some bring a white glow of their own (About), others a black ink of their
// own (testing window). Dark ink in a light halo reads in all three cases.
TEST(ProgramSkins, EverySkinGivesEffectLabelsADarkInkInALightHalo) {
  HeadlessDriver driver;
  startProgram(driver);
  TsSkinManager* sm = mainManager(driver);
  ASSERT_NE(sm, nullptr);
  for (const TsStoredSkin& skin : sm->internalSkins().items()) {
    SCOPED_TRACE(skin.Name);
    sm->setSkinName(skin.Name);
    const SkinModel& model = sm->model();
    const TsGeneralData* global = section(model, "GLOBALINFO");
    ASSERT_NE(global, nullptr);
    const Color ink = global->FontColor[1];
    ASSERT_NE(ink, kNoColor) << "TCLEFT unset: ktSkin labels draw in their own colour, white";
    EXPECT_GT(model.SkinData.Shadow1Blur, 0);
    const Color halo = static_cast<Color>(model.SkinData.Shadow1Color);
    EXPECT_GE(ContrastRatio(ink, halo), 4.5);
    EXPECT_GE(ContrastRatio(ink, clWhite), 4.5);
    EXPECT_GE(ContrastRatio(clBlack, halo), 4.5);
  }
}

TEST(ProgramSkins, StartUpEndsInAcrylWithoutTheSkinFolderAndInRhombusWithIt) {
  // Without the skin folder beside the program. The folder is never made there: other test
  // processes running at the same time would start in a skin.
  ASSERT_FALSE(fs::exists(content::path(content::kSkins))) << "a skin folder beside the tests, left by an older run?";
  {
    HeadlessDriver driver;
    startProgram(driver);
    TsSkinManager* sm = mainManager(driver);
    ASSERT_NE(sm, nullptr);
    EXPECT_EQ(sm->skinName(), "Acryl (internal)");
    EXPECT_TRUE(sm->active());
    EXPECT_EQ(sm->model().SkinData.SkinPath, "");
    EXPECT_EQ(sm->model().SkinData.Description, "Light frosted acrylic: pale blue-grey panels, glassy buttons with a white upper rim");
  }

  // The skin folder as the build makes it, under a scratch root of this process's own.
  const fs::path root = fs::temp_directory_path() / ("tavra-program-skins-" + std::to_string(getpid()));
  const fs::path folder = root / std::string(content::kSkins);
  const fs::path built = fs::path(TAVRA_BIN_DIR) / "skins";
  fs::remove_all(root);
  fs::create_directories(folder);
  for (const std::string& cover : kCovers) fs::copy_file(built / (cover + ".asz"), folder / (cover + ".asz"));
  struct RemoveFolder {
    fs::path path;
    ~RemoveFolder() { fs::remove_all(path); }
  } removeFolder{root};

  // Start-up looks for its skins in the folder beside the program, then picks Rhombus there;
  // the same two steps against the scratch root.
  HeadlessDriver driver;
  startProgram(driver);
  TsSkinManager* sm = mainManager(driver);
  ASSERT_NE(sm, nullptr);
  EXPECT_EQ(sm->skinDirectory(), content::path(content::kSkins));
  sm->setSkinDirectory(folder.string());
  sm->setSkinName("Rhombus");
  EXPECT_EQ(sm->skinName(), "Rhombus");
  EXPECT_TRUE(sm->IsPacked());
  EXPECT_EQ(sm->model().SkinData.SkinPath, folder.string() + "/");
  EXPECT_EQ(sm->model().SkinData.Description, "Teal frames with a rhombus lattice, grey-green panels, glassy buttons");

  // Every cover finds its own package: no name falls back to the first internal skin.
  std::set<std::string> descriptions;
  for (const std::string& cover : kCovers) {
    sm->setSkinName(cover);
    EXPECT_EQ(sm->skinName(), cover);
    EXPECT_TRUE(sm->IsPacked()) << cover;
    descriptions.insert(sm->model().SkinData.Description);
  }
  EXPECT_EQ(descriptions.size(), 51u);
}

}  // namespace
}  // namespace tavra
