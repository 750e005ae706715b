#include <gtest/gtest.h>

#include "skin/data/MaskForms.h"

namespace tavra {
namespace {

TEST(MaskForms, FormIsChosenByTheFirstCharacterThenByHash) {
  const std::pair<const char*, MaskForm> cases[] = {
      {"^0165^0016^0183^0052^0000^0000^0000^0000^1^1^5^0", MaskForm::Border},
      {"@0133@0166@0181@0180@3@0", MaskForm::Glyph},
      {"~0028~0028~0030~0030~10~0", MaskForm::Texture},
      {"!REDBTN.BMP!3!1!2", MaskForm::OwnImage},
      {"Button.bmp", MaskForm::PlainFile},
      {"#PANEL (1, 2, 3, 4) (3 1)", MaskForm::Region},
      {"A#B.BMP", MaskForm::Region},
      {"#", MaskForm::None},
      {"N/A", MaskForm::None},
      {"", MaskForm::None},
      {"16777215", MaskForm::None},
      {"1;2;3;4;5", MaskForm::None},
      {"BACK.JPG", MaskForm::None},
  };
  for (const auto& [value, form] : cases) EXPECT_EQ(maskFormOf(value), form) << value;
}

TEST(MaskForms, BorderFormReadsItsDigitFields) {
  auto mask = parseMasterRegionMask(MaskForm::Border, "^0165^0016^0183^0052^0003^0004^0005^0006^2^1^5^7");
  ASSERT_TRUE(mask) << mask.error();
  EXPECT_EQ(mask->Rect, (Rect{165, 16, 183, 52}));
  EXPECT_EQ(mask->WL, 3);
  EXPECT_EQ(mask->WT, 4);
  EXPECT_EQ(mask->WR, 5);
  EXPECT_EQ(mask->WB, 6);
  EXPECT_EQ(mask->ImageCount, 2);
  EXPECT_EQ(mask->MaskType, 1);
  EXPECT_EQ(mask->StretchMode, 5);
  EXPECT_EQ(mask->BorderWidth, 7);
  EXPECT_EQ(mask->ImgType, TacImgType::itisaBorder);
  EXPECT_FALSE(mask->Image);
}

TEST(MaskForms, WidthRule) {
  struct Case {
    const char* value;
    int wl, wt, wr, wb;
  };
  const Case cases[] = {
      // 90 x 60, three frames over a mask row: a third of a 30 x 30 frame.
      {"^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0", 10, 10, 10, 10},
      // One border width for all four.
      {"^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^4", 4, 4, 4, 4},
      // Widths given: kept as they are, even with a border width.
      {"^0000^0000^0090^0060^0001^0000^0000^0000^3^1^0^4", 1, 0, 0, 0},
      // ImageCount 0 counts as one frame instead of dividing by zero.
      {"^0000^0000^0090^0060^0000^0000^0000^0000^0^0^0^0", 30, 20, 30, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    auto mask = parseMasterRegionMask(MaskForm::Border, c.value);
    ASSERT_TRUE(mask) << mask.error();
    EXPECT_EQ(mask->WL, c.wl);
    EXPECT_EQ(mask->WT, c.wt);
    EXPECT_EQ(mask->WR, c.wr);
    EXPECT_EQ(mask->WB, c.wb);
    EXPECT_GE(mask->ImageCount, 1);
  }
}

TEST(MaskForms, GlyphAndTextureForms) {
  auto glyph = parseMasterRegionMask(MaskForm::Glyph, "@0133@0166@0181@0180@3@0");
  ASSERT_TRUE(glyph);
  EXPECT_EQ(glyph->Rect, (Rect{133, 166, 181, 180}));
  EXPECT_EQ(glyph->ImageCount, 3);
  EXPECT_EQ(glyph->MaskType, 0);
  EXPECT_EQ(glyph->ImgType, TacImgType::itisaGlyph);
  EXPECT_EQ(glyph->WL, 0);  // no width rule

  auto texture = parseMasterRegionMask(MaskForm::Texture, "~0028~0028~0030~0030~10~1");
  ASSERT_TRUE(texture);
  EXPECT_EQ(texture->Rect, (Rect{28, 28, 30, 30}));
  EXPECT_EQ(texture->StretchMode, 10);
  EXPECT_EQ(texture->MaskType, 1);
  EXPECT_EQ(texture->ImageCount, 1);
  EXPECT_EQ(texture->ImgType, TacImgType::itisaTexture);

  auto short24 = parseMasterRegionMask(MaskForm::Texture, "~0028~0028~0030~0030~10");
  ASSERT_TRUE(short24);
  EXPECT_EQ(short24->MaskType, 0);
}

TEST(MaskForms, RegionForm) {
  auto mask = parseMasterRegionMask(MaskForm::Region, "#PANEL (10, 20, 100, 80) (3 1 2 0)");
  ASSERT_TRUE(mask) << mask.error();
  EXPECT_EQ(mask->Rect, (Rect{10, 20, 100, 80}));
  EXPECT_EQ(mask->ImageCount, 3);
  EXPECT_EQ(mask->MaskType, 1);
  EXPECT_EQ(mask->BorderWidth, 2);
  EXPECT_EQ(mask->StretchMode, 0);
  EXPECT_EQ(mask->WL, 2);

  // Blanks removed (as the common sections keep them), settings left out.
  auto bare = parseMasterRegionMask(MaskForm::Region, "#X(0,0,90,60)(0,-1)");
  ASSERT_TRUE(bare) << bare.error();
  EXPECT_EQ(bare->ImageCount, 1);
  EXPECT_EQ(bare->MaskType, 0);
  EXPECT_EQ(bare->BorderWidth, 0);
  EXPECT_EQ(bare->StretchMode, 1);
  EXPECT_EQ(bare->WL, 30);
  EXPECT_EQ(bare->WT, 20);
}

TEST(MaskForms, BadDigitFieldsAreConversionErrors) {
  const std::pair<MaskForm, const char*> cases[] = {
      {MaskForm::Border, "^0a65^0016^0183^0052^0000^0000^0000^0000^1^1^5^0"},
      {MaskForm::Border, "^0165^0016^0183^0052^0000^0000^0000^0000^1^1^5"},  // cut before BorderWidth
      {MaskForm::Glyph, "@0133@0166@0181@0180@x@0"},
      {MaskForm::Glyph, "@"},
      {MaskForm::Texture, "~0028~0028~0030~0030~1x~0"},
      {MaskForm::Region, "#X (1, 2, 3) (1)"},
      {MaskForm::Region, "#X (1, 2, three, 4)"},
  };
  for (const auto& [form, value] : cases) {
    auto mask = parseMasterRegionMask(form, value);
    ASSERT_FALSE(mask) << value;
    EXPECT_FALSE(mask.error().empty());
  }
}

TEST(MaskForms, OwnImageValues) {
  auto full = parseOwnImageValue("!REDBTN.BMP!3!1!2!0007!0008!0009!0010");
  ASSERT_TRUE(full);
  ASSERT_TRUE(full->has_value());
  const OwnImageValue& v = **full;
  EXPECT_EQ(v.fileName, "REDBTN.BMP");
  EXPECT_FALSE(v.isPng);
  EXPECT_EQ(v.ImageCount, 3);
  EXPECT_EQ(v.MaskType, 1);
  EXPECT_EQ(v.ImgType, TacImgType::itisaGlyph);
  EXPECT_TRUE(v.hasWidths);
  EXPECT_EQ(v.WL, 7);
  EXPECT_EQ(v.WB, 10);

  auto png = parseOwnImageValue("!!GLOW.PNG!!1!0!9");  // runs of "!" count as one; ImgType above 3 is 3
  ASSERT_TRUE(png);
  ASSERT_TRUE(png->has_value());
  EXPECT_TRUE((*png)->isPng);
  EXPECT_EQ((*png)->ImgType, TacImgType::itisaGlow);
  EXPECT_FALSE((*png)->hasWidths);

  TsMaskData mask = ownImageMask(**png, 90, 60);
  EXPECT_EQ(mask.Rect, (Rect{0, 0, 90, 60}));
  EXPECT_EQ(mask.StretchMode, 4);
  EXPECT_EQ(mask.WL, 30);
  EXPECT_EQ(mask.WT, 20);

  for (const char* skipped : {"!redbtn.bmp!3!1!2", "!Red.Png!1!0!0", "!BUTTON.JPG!1!0!0", "!"}) {
    auto none = parseOwnImageValue(skipped);
    ASSERT_TRUE(none) << skipped;
    EXPECT_FALSE(none->has_value()) << skipped;
  }
  for (const char* bad : {"!A.BMP!x!1!0", "!A.BMP!3!1", "!A.BMP!3!1!0!1!2"}) {
    EXPECT_FALSE(parseOwnImageValue(bad)) << bad;
  }
}

TEST(MaskForms, PlainFileMaskIsAThreeFrameBorderWithAMaskRow) {
  TsMaskData mask = plainFileMask(90, 60);
  EXPECT_EQ(mask.ImageCount, 3);
  EXPECT_EQ(mask.MaskType, 1);
  EXPECT_EQ(mask.ImgType, TacImgType::itisaBorder);
  EXPECT_EQ(mask.WL, 10);
  EXPECT_EQ(mask.WT, 10);
}

}  // namespace
}  // namespace tavra
