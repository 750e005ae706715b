// Hue and saturation of the skin in use: set on the manager, applied by reloading the skin.
#include "ManagerFixture.h"

namespace tavra::test {
namespace {

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kGrey = rgb(128, 128, 128);
constexpr Color kBrown = rgb(100, 70, 40);

// A skin whose master bitmap holds red, magenta, grey and brown pixels and whose sections are
// red, grey and brown.
Bytes colourSkin() {
  SkinFiles files;
  files.options =
      "[GLOBALINFO]\nVERSION=6.14\nMASTERBITMAP=MASTER.BMP\n"
      "[BUTTON]\nCOLOR=" + std::to_string(kRed) + "\n"
      "[PANEL]\nCOLOR=" + std::to_string(kGrey) + "\n"
      "[EDIT]\nCOLOR=" + std::to_string(kBrown) + "\n";
  Bitmap master(4, 1);
  master.setPixel(0, 0, pixelFromColor(kRed));
  master.setPixel(1, 0, pixelFromColor(clFuchsia));
  master.setPixel(2, 0, pixelFromColor(kGrey));
  master.setPixel(3, 0, pixelFromColor(kBrown));
  files.add("MASTER.BMP", makeBmp(master));
  return files.package();
}

class SkinColorTest : public ManagerTest {
 protected:
  TsSkinManager& loaded() {
    writeFile(temp.path() / "Colours.asz", colourSkin());
    TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
    sm.setSkinName("Colours");
    return sm;
  }
  static Color sectionColor(const TsSkinManager& sm, const char* section) {
    const int index = sm.model().FindSection(section);
    EXPECT_GE(index, 0) << section;
    return index < 0 ? clNone : sm.model().Sections[static_cast<size_t>(index)].Color;
  }
  static std::vector<Color> masterColors(const TsSkinManager& sm) {
    std::vector<Color> colors;
    for (int x = 0; x < sm.model().MasterBitmap.width(); ++x) colors.push_back(sm.model().MasterBitmap.colorAt(x, 0));
    return colors;
  }
};

TEST_F(SkinColorTest, HueTurnsRedIntoGreenKeepingMagentaAndGrey) {
  TsSkinManager& sm = loaded();
  ASSERT_EQ(sectionColor(sm, "BUTTON"), kRed);
  makeForm("form");
  sm.setHueOffset(120);
  EXPECT_EQ(sectionColor(sm, "BUTTON"), rgb(0, 255, 0));
  EXPECT_EQ(sectionColor(sm, "PANEL"), kGrey);
  EXPECT_EQ(masterColors(sm), (std::vector<Color>{rgb(0, 255, 0), clFuchsia, kGrey, rgb(40, 100, 70)}));
  // The same skin again: painted anew, its indices unchanged, so no SKC_REFRESH.
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"form:SKC_FADEDONE", "form:SKC_SETSKIN"}));
  EXPECT_EQ(sm.skinInfo(), "6.14");
  EXPECT_GE(sm.model().CommonIndices.GlobalInfo, 0);
  EXPECT_EQ(sm.model().CommonIndices.GlobalInfo, sm.model().FindSection("GLOBALINFO"));
}

TEST_F(SkinColorTest, SaturationPlusAndMinusHundred) {
  TsSkinManager& sm = loaded();
  sm.setSaturation(100);
  EXPECT_EQ(sectionColor(sm, "BUTTON"), rgb(85, 85, 85));
  EXPECT_EQ(sectionColor(sm, "EDIT"), rgb(70, 70, 70));
  EXPECT_EQ(masterColors(sm), (std::vector<Color>{rgb(85, 85, 85), clFuchsia, kGrey, rgb(70, 70, 70)}));

  // Each channel's distance from the grey mean doubled, limited to 0..255; applied to the skin
  // as loaded, not on top of the previous change.
  sm.setSaturation(-100);
  EXPECT_EQ(sectionColor(sm, "BUTTON"), rgb(255, 0, 0));
  EXPECT_EQ(sectionColor(sm, "EDIT"), rgb(130, 70, 10));
  EXPECT_EQ(masterColors(sm), (std::vector<Color>{kRed, clFuchsia, kGrey, rgb(130, 70, 10)}));
}

TEST_F(SkinColorTest, HueAndSaturationAreKeptForLaterSkins) {
  TsSkinManager& sm = makeManager(internalSkins({"Acryl (internal)"}));
  sm.setActive(false);
  sm.setHueOffset(120);
  EXPECT_TRUE(sm.model().Sections.empty());
  writeFile(temp.path() / "Colours.asz", colourSkin());
  sm.setSkinName("Colours");
  sm.setActive(true);
  EXPECT_EQ(sectionColor(sm, "BUTTON"), rgb(0, 255, 0));
}

}  // namespace
}  // namespace tavra::test
