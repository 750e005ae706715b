// A skin that cannot be loaded changes nothing: the skin in use stays loaded and announced, the
// name and flags are as before, and the error reaches the caller (the application's error box
// when the caller is an event handler).
#include "ManagerFixture.h"
#include "framework/controls/Button.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra::test {
namespace {

namespace fs = std::filesystem;

struct BadSkin {
  const char* label;
  std::function<void(const fs::path& folder)> make;  // puts a skin "Bad" into the folder
  const char* errorPart;                              // a part of the error text
};

Bytes truncated(Bytes bytes) {
  bytes.resize(bytes.size() - 6);
  return bytes;
}

const BadSkin kBadSkins[] = {
    {"truncated package", [](const fs::path& f) { writeFile(f / "Bad.asz", truncated(skinPackage("bad"))); }, "ends inside entry"},
    {"value that does not convert",
     [](const fs::path& f) {
       SkinFiles files;
       files.options = "[GLOBALINFO]\nVERSION=6.14\nSHADOW1OFFSET=abc\n[BUTTON]\nCOLOR=255\n";
       writeFile(f / "Bad.asz", files.package());
     },
     "SHADOW1OFFSET"},
    {"options too large to read",
     [](const fs::path& f) {
       writeSkinFolder(f / "Bad", "bad");
       std::ofstream(f / "Bad" / "Options.dat", std::ios::app) << std::string(1100 * 1024, ';');
     },
     "is too large"},
};

void PrintTo(const BadSkin& skin, std::ostream* out) { *out << skin.label; }

class FailedLoadTest : public ManagerTest, public ::testing::WithParamInterface<BadSkin> {
 protected:
  int before = 0;
  int after = 0;

  TsSkinManager& managerWithGoodSkin() {
    writeFile(temp.path() / "Good.asz", skinPackage("good"));
    TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
    sm.OnBeforeChange = [this](TComponent&) { ++before; };
    sm.OnAfterChange = [this](TComponent&) { ++after; };
    sm.setSkinName("Good");
    return sm;
  }
};

TEST_P(FailedLoadTest, KeepsTheSkinInUseAndRaises) {
  TsSkinManager& sm = managerWithGoodSkin();
  makeForm("form");
  GetParam().make(temp.path());
  const SkinModel* inUse = &sm.model();
  log.clear();

  try {
    sm.setSkinName("Bad");
    FAIL() << "no error raised";
  } catch (const Exception& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().errorPart), std::string::npos) << e.what();
  }
  EXPECT_EQ(&sm.model(), inUse);
  EXPECT_EQ(author(sm), "good");
  EXPECT_EQ(sm.skinName(), "Good");
  EXPECT_TRUE(sm.active());
  EXPECT_TRUE(sm.model().SkinData.Active);
  EXPECT_EQ(sm.skinInfo(), "6.14");
  EXPECT_TRUE(sm.IsPacked());
  EXPECT_FALSE(skinProcessState().skinChanging);
  EXPECT_EQ(before, 2);
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(log.entries.empty()) << "the failed change announced something";
  EXPECT_TRUE(driver.boxes.empty());

  // The manager goes on working.
  writeFile(temp.path() / "Next.asz", skinPackage("next"));
  sm.setSkinName("Next");
  EXPECT_EQ(author(sm), "next");
  EXPECT_EQ(after, 2);
}

INSTANTIATE_TEST_SUITE_P(Kinds, FailedLoadTest, ::testing::ValuesIn(kBadSkins),
                         [](const ::testing::TestParamInfo<BadSkin>& info) {
                           std::string name = info.param.label;
                           for (char& c : name) {
                             if (c == ' ') c = '_';
                           }
                           return name;
                         });

class FailedLoadElsewhereTest : public ManagerTest {};

// A file that is no skin package at all: the reader's warning box is the only word on it, from an
// event handler too (no error box after it), and the skin in use stays.
TEST_F(FailedLoadElsewhereTest, PackageOfTheWrongSignatureShowsOnlyTheWarning) {
  driver.app().setTitle("Tavra");
  writeFile(temp.path() / "Good.asz", skinPackage("good"));
  writeFile(temp.path() / "Bad.asz", textBytes("PK\3\4 not a skin package at all"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  int after = 0;
  sm.OnAfterChange = [&](TComponent&) { ++after; };
  sm.setSkinName("Good");
  const SkinModel* inUse = &sm.model();
  ProbeForm& form = makeForm("form");
  auto& button = form.make<TButton>();
  button.setParent(&form);
  button.setBounds(10, 10, 80, 24);
  button.OnClick = [&](TComponent&) { sm.setSkinName("Bad"); };
  form.Show();
  driver.settle();
  log.clear();

  driver.click(button);
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].text, TacSkinConvertor::kWrongMagicWarning);
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::Warning);
  EXPECT_EQ(&sm.model(), inUse);
  EXPECT_EQ(author(sm), "good");
  EXPECT_EQ(sm.skinName(), "Good");
  EXPECT_TRUE(sm.active());
  EXPECT_TRUE(sm.model().SkinData.Active);
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(log.entries.empty()) << "the refused change announced something";

  // Outside an event handler nothing is raised either, and the manager goes on working.
  EXPECT_NO_THROW(sm.setSkinName("Bad"));
  EXPECT_EQ(driver.boxes.size(), 2u);
  EXPECT_EQ(sm.skinName(), "Good");
  writeFile(temp.path() / "Next.asz", skinPackage("next"));
  sm.setSkinName("Next");
  EXPECT_EQ(author(sm), "next");
}

TEST_F(FailedLoadElsewhereTest, ErrorFromAnEventHandlerReachesTheErrorBox) {
  driver.app().setTitle("Tavra");
  writeFile(temp.path() / "Good.asz", skinPackage("good"));
  writeFile(temp.path() / "Bad.asz", truncated(skinPackage("bad")));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Good");
  ProbeForm& form = makeForm("form");
  auto& button = form.make<TButton>();
  button.setParent(&form);
  button.setBounds(10, 10, 80, 24);
  button.OnClick = [&](TComponent&) { sm.setSkinName("Bad"); };
  form.Show();
  driver.settle();

  driver.click(button);
  ASSERT_EQ(driver.boxes.size(), 1u);
  EXPECT_EQ(driver.boxes[0].caption, "Tavra");
  EXPECT_EQ(driver.boxes[0].icon, MessageBoxIcon::Error);
  EXPECT_NE(driver.boxes[0].text.find("ends inside entry"), std::string::npos) << driver.boxes[0].text;
  EXPECT_EQ(author(sm), "good");
  EXPECT_EQ(sm.skinName(), "Good");
}

TEST_F(FailedLoadElsewhereTest, DamagedInternalSkinKeepsTheSkinInUse) {
  TsStoredSkins skins = internalSkins({"Acryl (internal)", "Broken (internal)"});
  skins.items()[1].Data = textBytes("ASzf");
  TsSkinManager& sm = makeManager(std::move(skins));
  sm.setSkinName("Acryl (internal)");
  EXPECT_THROW(sm.setSkinName("Broken (internal)"), Exception);
  EXPECT_EQ(author(sm), "Acryl (internal)");
  EXPECT_EQ(sm.skinName(), "Acryl (internal)");
}

TEST_F(FailedLoadElsewhereTest, FailedReloadKeepsColoursAndSetting) {
  writeFile(temp.path() / "Good.asz", skinPackage("good"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Good");
  writeFile(temp.path() / "Good.asz", truncated(skinPackage("good")));
  EXPECT_THROW(sm.setHueOffset(120), Exception);
  EXPECT_EQ(sm.hueOffset(), 0);
  const int button = sm.model().FindSection("BUTTON");
  ASSERT_GE(button, 0);
  EXPECT_EQ(sm.model().Sections[static_cast<size_t>(button)].Color, rgb(255, 0, 0));
  EXPECT_TRUE(sm.model().SkinData.Active);
  EXPECT_FALSE(skinProcessState().skinChanging);
}

TEST_F(FailedLoadElsewhereTest, FailedActivationLeavesSkinningOff) {
  writeFile(temp.path() / "Bad.asz", truncated(skinPackage("bad")));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setActive(false);
  sm.setSkinName("Bad");
  EXPECT_THROW(sm.setActive(true), Exception);
  EXPECT_FALSE(sm.active());
  EXPECT_EQ(sm.skinInfo(), "N/A");
  EXPECT_TRUE(sm.model().Sections.empty());
}

}  // namespace
}  // namespace tavra::test
