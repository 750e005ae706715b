// The default skin manager's answers to the skinned labels.
#include "LabelTestSupport.h"
#include "skin/data/SkinPackageWriter.h"
#include "skin/manager/TsSkinManager.h"
#include "skin/paint/ManagerLabelSkin.h"

namespace tavra::test {
namespace {

std::vector<std::uint8_t> labelSkinPackage() {
  const std::string options =
      "[GLOBALINFO]\nVERSION=6.14\nSHADOW1COLOR=128\nSHADOW1BLUR=4\nSHADOW1OFFSET=2\nFONTCOLOR=0\n"
      "[OPAQUE]\nCOLOR=255\nFONTCOLOR=65280\nTCLEFT=16711680\nTRANSPARENCY=0\nGIVEOWNFONT=TRUE\n"
      "[HALF]\nCOLOR=0\nTRANSPARENCY=50\n"
      "[CLEAR]\nCOLOR=255\nTRANSPARENCY=100\n";
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view(options));
  return writer.build();
}

class ManagerLabelSkinTest : public LabelTest {
 protected:
  TsSkinManager& skinnedManager() {
    TsSkinManager& sm = driver.app().make<TsSkinManager>();
    TsStoredSkin& skin = sm.InternalSkins().add();
    skin.Name = "Labels (internal)";
    skin.Data = labelSkinPackage();
    sm.setSkinName("Labels (internal)");
    return sm;
  }
};

TEST_F(ManagerLabelSkinTest, NoManagerNoSkin) {
  ASSERT_EQ(TsSkinManager::DefaultManager(), nullptr);
  EXPECT_FALSE(labelSkin().dataActive());
  EXPECT_FALSE(labelSkin().managerActive());
  EXPECT_EQ(labelSkin().managerParam(), 0);
}

TEST_F(ManagerLabelSkinTest, AnswersFromTheDefaultManagersSkin) {
  TsSkinManager& sm = skinnedManager();
  LabelSkin& skin = labelSkin();
  EXPECT_TRUE(skin.dataActive());
  EXPECT_TRUE(skin.managerActive());
  EXPECT_EQ(skin.managerParam(), sm.commandParam());
  EXPECT_TRUE(isDefaultManagerParam(sm.commandParam()));

  const int opaque = skin.findSection("OPAQUE");
  ASSERT_GE(opaque, 0);
  const auto section = skin.section(opaque);
  ASSERT_TRUE(section.has_value());
  EXPECT_EQ(section->fontColor, rgb(0, 255, 0));
  EXPECT_EQ(section->contourLeft, rgb(0, 0, 255));
  EXPECT_EQ(section->transparency, 0);
  EXPECT_TRUE(section->giveOwnFont);
  EXPECT_EQ(skin.section(skin.findSection("HALF"))->contourLeft, LabelSkinSection::kNone);
  EXPECT_EQ(skin.findSection("MISSING"), -1);
  EXPECT_FALSE(skin.section(-1).has_value());
  EXPECT_FALSE(skin.section(1000).has_value());

  const LabelSkinShadow shadow = skin.shadow1();
  EXPECT_EQ(shadow.color, rgb(128, 0, 0));
  EXPECT_EQ(shadow.blur, 4);
  EXPECT_EQ(shadow.offset, 2);

  sm.setActive(false);
  EXPECT_FALSE(skin.dataActive());
  EXPECT_FALSE(skin.managerActive());
  EXPECT_FALSE(skin.section(opaque).has_value());
}

TEST_F(ManagerLabelSkinTest, PaintsTheSectionColourOverWhatTheParentShows) {
  skinnedManager();
  LabelSkin& skin = labelSkin();
  TForm& form = driver.app().CreateForm<TForm>();
  auto& parent = form.make<SkinnedParent>();
  parent.setParent(&form);
  parent.skinned = true;
  parent.colorAnswer = rgb(200, 100, 0);
  auto& label = form.make<TGraphicControl>();
  label.setParent(&parent);
  label.setBounds(0, 0, 4, 4);

  auto paint = [&](const char* section) {
    Bitmap out = solid(4, 4, rgb(1, 2, 3));
    Canvas c(out);
    skin.paintSection(c, Rect{0, 0, 4, 2}, skin.findSection(section), label);
    return std::pair{out.colorAt(0, 0), out.colorAt(0, 3)};
  };
  EXPECT_EQ(paint("OPAQUE"), std::pair(rgb(255, 0, 0), rgb(1, 2, 3)));
  // Half transparent over the parent's colour: (200 × 127 + 0 × 128 + 127) shr 8 = 99.
  EXPECT_EQ(paint("HALF"), std::pair(rgb(99, 50, 0), rgb(1, 2, 3)));
  // Fully transparent: the parent's background, here its colour.
  EXPECT_EQ(paint("CLEAR"), std::pair(rgb(200, 100, 0), rgb(1, 2, 3)));
}

TEST_F(ManagerLabelSkinTest, RegisteredAnswersComeFirst) {
  skinnedManager();
  FakeSkin fake;
  {
    ScopedLabelSkin scope(fake);
    EXPECT_EQ(&labelSkin(), &fake);
  }
  EXPECT_NE(dynamic_cast<ManagerLabelSkin*>(&labelSkin()), nullptr);
}

}  // namespace
}  // namespace tavra::test
