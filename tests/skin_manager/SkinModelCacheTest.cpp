// Skins loaded lately are kept decoded: switching back copies the kept model, which must equal a
// fresh load, and a changed package, internal skin, hue or saturation must load afresh.
#include <filesystem>

#include "ManagerFixture.h"
#include "skin/data/SkinModelDump.h"

namespace tavra::test {
namespace {

// A package with a master bitmap, a mask with its own image and a JPEG pattern; `colour` tints
// the BUTTON section and the mask's image.
Bytes pictureSkin(const std::string& author, Color colour) {
  SkinFiles files;
  files.options = "[GLOBALINFO]\r\nVERSION=6.14\r\nAUTHOR=" + author +
                  "\r\nMASTERBITMAP=MASTER.BMP\r\nCHECK=@0000@0000@0004@0002@2@0\r\n"
                  "[BUTTON]\r\nCOLOR=" + std::to_string(colour) +
                  "\r\nBORDERSMASK=!BTN.BMP!3!1!0\r\n[FORM]\r\nPATTERN=BACK.JPG\r\n";
  files.add("MASTER.BMP", makeBmp(8, 4, 0x00FF00)).add("BTN.BMP", makeBmp(30, 20, colour)).add("BACK.JPG", makeJpeg(400, 300, 0x336699));
  return files.package();
}

class SkinModelCacheTest : public ManagerTest {
 protected:
  void SetUp() override {
    writeFile(temp.path() / "Red.asz", pictureSkin("Red", rgb(255, 0, 0)));
    writeFile(temp.path() / "Blue.asz", pictureSkin("Blue", rgb(0, 0, 255)));
  }
  static int sectionIndex(const TsSkinManager& sm, const char* name) { return sm.model().FindSection(name); }
  static Color buttonColour(const TsSkinManager& sm) {
    const int i = sectionIndex(sm, "BUTTON");
    return i < 0 ? clNone : sm.model().Sections[static_cast<size_t>(i)].Color;
  }
};

TEST_F(SkinModelCacheTest, SwitchingBackGivesWhatAFreshLoadGives) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Red");
  sm.setSkinName("Blue");
  ASSERT_EQ(sm.modelCache().size(), 2u);
  const std::uint64_t before = sm.modelGeneration();
  sm.setSkinName("Red");
  EXPECT_NE(sm.modelGeneration(), before) << "a kept skin still comes as a new model";
  EXPECT_TRUE(sm.IsPacked());

  TsSkinManager& fresh = makeManager(internalSkins({"Acryl (internal)"}));
  fresh.setSkinName("Red");
  const SkinModel& kept = sm.model();
  const SkinModel& loaded = fresh.model();
  EXPECT_EQ(dumpSkinModel(kept), dumpSkinModel(loaded));
  EXPECT_EQ(kept.MasterBitmap, loaded.MasterBitmap);
  ASSERT_EQ(kept.Masks.size(), loaded.Masks.size());
  for (size_t i = 0; i < kept.Masks.size(); ++i) {
    EXPECT_EQ(kept.Masks[i].Owner, &kept) << "every mask belongs to the model in use";
    ASSERT_EQ(kept.Masks[i].Image != nullptr, loaded.Masks[i].Image != nullptr);
    if (kept.Masks[i].Image) {
      EXPECT_EQ(*kept.Masks[i].Image, *loaded.Masks[i].Image);
    }
  }
  ASSERT_EQ(kept.Patterns.size(), 1u);
  EXPECT_EQ(*kept.Patterns[0].Image, *loaded.Patterns[0].Image);
  EXPECT_EQ(kept.FindMask(sectionIndex(sm, "BUTTON"), "BUTTON", "BORDERSMASK"),
            loaded.FindMask(sectionIndex(fresh, "BUTTON"), "BUTTON", "BORDERSMASK"));
  EXPECT_GE(kept.CommonIndices.GlobalInfo, 0);
  EXPECT_EQ(kept.CommonIndices.GlobalInfo, loaded.CommonIndices.GlobalInfo);

  // Emptying the model in use leaves the kept one whole.
  sm.setActive(false);
  EXPECT_TRUE(sm.model().Masks.empty());
  sm.setActive(true);
  EXPECT_EQ(dumpSkinModel(sm.model()), dumpSkinModel(loaded));
}

TEST_F(SkinModelCacheTest, APackageWrittenAgainIsReadAgain) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Red");
  sm.setSkinName("Blue");
  // New contents of the same size, and the same contents with a new time of change.
  const auto redPath = temp.path() / "Red.asz";
  const auto time = std::filesystem::last_write_time(redPath);
  writeFile(redPath, pictureSkin("Rot", rgb(254, 0, 0)));
  std::filesystem::last_write_time(redPath, time + std::chrono::seconds(2));
  sm.setSkinName("Red");
  EXPECT_EQ(author(sm), "Rot");
  EXPECT_EQ(buttonColour(sm), rgb(254, 0, 0));

  sm.setSkinName("Blue");
  writeFile(redPath, pictureSkin("Red", rgb(255, 0, 0)));
  std::filesystem::last_write_time(redPath, time + std::chrono::seconds(4));
  sm.setSkinName("Red");
  EXPECT_EQ(author(sm), "Red");
}

TEST_F(SkinModelCacheTest, HueAndSaturationReloadsGiveTheirOwnColours) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Red");
  sm.setHueOffset(120);
  EXPECT_EQ(buttonColour(sm), rgb(0, 255, 0));
  sm.setHueOffset(0);
  EXPECT_EQ(buttonColour(sm), rgb(255, 0, 0));
  sm.setSaturation(100);
  EXPECT_EQ(buttonColour(sm), rgb(85, 85, 85));
  sm.setSaturation(0);
  sm.setHueOffset(120);
  EXPECT_EQ(buttonColour(sm), rgb(0, 255, 0));
  EXPECT_EQ(sm.model().Masks[static_cast<size_t>(sm.model().FindMask(sectionIndex(sm, "BUTTON"), "BUTTON", "BORDERSMASK"))]
                .Image->colorAt(0, 0),
            rgb(0, 255, 0));
}

TEST_F(SkinModelCacheTest, AnInternalSkinChangedSinceIsLoadedAfresh) {
  TsSkinManager& sm = makeManager(internalSkins({"One", "Two"}));
  sm.setSkinName("One");
  sm.setSkinName("Two");
  sm.internalSkins().items()[0].Data = skinPackage("One, again");
  sm.setSkinName("One");
  EXPECT_EQ(author(sm), "One, again");
}

TEST_F(SkinModelCacheTest, NotKeptWhatMustBeReadEveryTime) {
  writeFile(temp.path() / "Newer.asz", skinPackage("Newer", "9.5"));
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setSkinName("Newer");
  sm.setSkinName("Red");
  sm.setSkinName("Newer");
  EXPECT_EQ(driver.boxes.size(), 2u) << "a newer skin's notice comes with every load";

  // Common sections may read loose files beside the skin: such loads are never kept.
  writeFile(temp.path() / "EXTRA.BMP", makeBmp(6, 6, 0x0000FF));
  sm.setCommonSections({"[EXTRA]", "BORDERSMASK=EXTRA.BMP"});
  sm.setSkinName("Blue");
  writeFile(temp.path() / "EXTRA.BMP", makeBmp(10, 6, 0x0000FF));
  sm.setSkinName("Red");
  sm.setSkinName("Blue");
  const int extra = sm.model().FindMask(sm.model().FindSection("EXTRA"), "EXTRA", "BORDERSMASK");
  ASSERT_GE(extra, 0);
  EXPECT_EQ(sm.model().Masks[static_cast<size_t>(extra)].Image->width(), 10);
}

}  // namespace
}  // namespace tavra::test
