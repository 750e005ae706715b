// Hostile values a skin author can write: the loaded model holds values the painter can use
// (every frame inside its picture, widths that fit a frame, bounded percentages and steps),
// each change is recorded, and a mask that cannot be repaired counts as missing.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "SkinFixtures.h"

namespace tavra::test {
namespace {

// A 60 x 30 master bitmap, a 30 x 10 own image and a 1 x 1 own image.
std::unique_ptr<LoadedSkin> loadWithPictures(const std::string& sections, const std::string& header = "") {
  SkinFiles files;
  files.options = "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\n" + header + sections;
  files.add("M.BMP", makeBmp(60, 30, 0x808080)).add("O.BMP", makeBmp(30, 10, 0x404040)).add("DOT.BMP", makeBmp(1, 1, 0x202020));
  return loadPackage(files.package());
}

const TsMaskData* maskOf(const SkinModel& model, std::string_view section, std::string_view key) {
  const int index = model.FindMaskExact(section, key);
  return model.IsValidMask(index) ? &model.Masks[static_cast<size_t>(index)] : nullptr;
}

bool repaired(const SkinModel& model, std::string_view section, std::string_view key, std::string_view words) {
  return std::any_of(model.LoadRepairs.begin(), model.LoadRepairs.end(), [&](const SkinRepair& r) {
    return r.section == section && r.key == key && r.what.find(words) != std::string::npos;
  });
}

TEST(SkinModelRepair, MasksFitTheirPicturesOrCountAsMissing) {
  struct Case {
    const char* value;
    bool kept;
    Rect rect;
    int count, type, wl, wt, wr, wb;
    const char* words;  // in the recorded repair
  };
  const Case cases[] = {
      // Border widths far larger than a 20 x 15 frame shrink in proportion.
      {"^0000^0000^0060^0030^9999^9999^9999^1111^3^1^0^0", true, {0, 0, 60, 30}, 3, 1, 10, 13, 10, 1, "WL 9999 and WR 9999"},
      // Negative widths become 0.
      {"!O.BMP!1!0!0!-4!2!-9!2", true, {0, 0, 30, 10}, 1, 0, 0, 2, 0, 2, "WL -4 and WR -9"},
      // A rectangle that reaches outside is cut; the widths then fit the narrower frame.
      {"^0040^0000^0090^0030^0000^0000^0000^0000^1^0^0^0", true, {40, 0, 60, 30}, 1, 0, 10, 10, 10, 10, "cut to (40, 0, 60, 30)"},
      // 99 frames in a 30-pixel picture: one pixel each.
      {"!O.BMP!99!1!0", true, {0, 0, 30, 10}, 30, 1, 0, 1, 0, 1, "99 frames do not fit a width of 30"},
      // A 1 x 1 picture cannot hold opacity rows.
      {"!DOT.BMP!1!1!0", true, {0, 0, 1, 1}, 1, 0, 0, 0, 0, 0, "mask type 1 does not fit a height of 1"},
      // Far coordinates, frames and a mask type that do not fit.
      {"#X (-5, -5, 2147483647, 2147483647) (99, 9, -3, 1)", true, {0, 0, 60, 30}, 60, 9, 0, 0, 0, 0, "cut to (0, 0, 60, 30)"},
      {"^0050^0000^0010^0030^0000^0000^0000^0000^1^0^0^0", false, {}, 0, 0, 0, 0, 0, 0, "is inverted"},
      {"^0010^0010^0010^0020^0000^0000^0000^0000^1^0^0^0", false, {}, 0, 0, 0, 0, 0, 0, "is empty"},
      {"@0100@0100@0200@0200@3@0", false, {}, 0, 0, 0, 0, 0, 0, "lies outside the picture (60x30)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    auto skin = loadWithPictures(std::string("[HOSTILE]\r\nPICTURE=") + c.value + "\r\n");
    ASSERT_TRUE(skin->status) << skin->status.error();
    const TsMaskData* mask = maskOf(skin->model, "HOSTILE", "PICTURE");
    EXPECT_TRUE(repaired(skin->model, "HOSTILE", "PICTURE", c.words));
    if (!c.kept) {
      EXPECT_EQ(mask, nullptr);
      continue;
    }
    ASSERT_NE(mask, nullptr);
    EXPECT_EQ(mask->Rect, c.rect);
    EXPECT_EQ(mask->ImageCount, c.count);
    EXPECT_EQ(mask->MaskType, c.type);
    EXPECT_EQ((std::array<int, 4>{mask->WL, mask->WT, mask->WR, mask->WB}), (std::array<int, 4>{c.wl, c.wt, c.wr, c.wb}));
  }
}

TEST(SkinModelRepair, WellFormedMasksAreLeftAlone) {
  auto skin = loadWithPictures(
      "[BUTTON]\r\nBORDERSMASK=^0000^0000^0060^0030^0003^0004^0005^0006^3^1^0^0\r\nGLYPH=@0000@0000@0060@0010@3@0\r\n"
      "TEXTURE=~0000~0000~0010~0010~00~0\r\nOWN=!O.BMP!3!1!0\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  EXPECT_TRUE(skin->model.LoadRepairs.empty()) << skin->model.LoadRepairs.front().what;
  const TsMaskData* border = maskOf(skin->model, "BUTTON", "BORDERSMASK");
  ASSERT_NE(border, nullptr);
  EXPECT_EQ((std::array<int, 4>{border->WL, border->WT, border->WR, border->WB}), (std::array<int, 4>{3, 4, 5, 6}));
}

TEST(SkinModelRepair, AMaskThatCannotBeRepairedFallsBackToTheParents) {
  auto skin = loadWithPictures(
      "[PARENT]\r\nBORDERSMASK=^0000^0000^0060^0030^0000^0000^0000^0000^3^1^0^0\r\n"
      "[CHILD]\r\nPARENTCLASS=PARENT\r\nBORDERSMASK=^0000^0030^0060^0000^0000^0000^0000^0000^3^1^0^0\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& model = skin->model;
  const int parent = model.FindMaskExact("PARENT", "BORDERSMASK");
  ASSERT_TRUE(model.IsValidMask(parent));
  EXPECT_EQ(model.Sections[static_cast<size_t>(model.FindSection("CHILD"))].BorderMask, parent);
  EXPECT_TRUE(repaired(model, "CHILD", "BORDERSMASK", "is inverted"));
}

TEST(SkinModelRepair, ValuesAreBoundedAndEachChangeIsNamed) {
  std::string gradient;
  for (int i = 0; i < 100; ++i) gradient += "255;65280;1;0;0;";
  auto skin = loadWithPictures("[PANEL]\r\nTRANSPARENCY=150\r\nHOTTRANSPARENCY=-7\r\nIMAGEPERCENT=1000\r\n"
                               "FADINGITERATIONS=2000000000\r\nGLOW=1\r\nGLOWMARGIN=500\r\n"
                               "GLOW0=^0000^0000^0060^0030^0005^0005^0005^0005^3^1^0^0\r\nGRADIENTDATA=" +
                               gradient + "\r\n",
                               "SHADOW1BLUR=99999\r\nBICONCLOSEGLOWMARGIN=-70000\r\nBISPACE=500\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& model = skin->model;
  const TsGeneralData& panel = model.Sections[static_cast<size_t>(model.FindSection("PANEL"))];
  EXPECT_EQ(panel.Transparency, 100);
  EXPECT_EQ(panel.HotTransparency, 0);
  EXPECT_EQ(panel.ImagePercent, 100);
  EXPECT_EQ(panel.FadingIterations, kMaxFadingIterations);
  EXPECT_EQ(panel.GlowMargin, 7);  // half the smaller side of a 20 x 15 glow frame
  EXPECT_EQ(panel.GradientSteps.size(), static_cast<size_t>(kMaxGradientSteps));
  EXPECT_EQ(model.SkinData.Shadow1Blur, kMaxShadowBlur);
  EXPECT_EQ(model.SkinData.BICloseGlowMargin, 0);
  EXPECT_EQ(model.SkinData.BISpace, kMaxCaptionButtonSpacing);
  for (const char* key : {"TRANSPARENCY", "HOTTRANSPARENCY", "IMAGEPERCENT", "FADINGITERATIONS", "GLOWMARGIN", "GRADIENTDATA"}) {
    EXPECT_TRUE(repaired(model, "PANEL", key, "")) << key;
  }
  EXPECT_TRUE(repaired(model, "GLOBALINFO", "SHADOW1BLUR", "99999 is outside -1..20; 20"));
}

}  // namespace
}  // namespace tavra::test
