#include <gtest/gtest.h>

#include "SkinFixtures.h"

namespace tavra::test {
namespace {

constexpr const char* kBorder90x60 = "^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0";

std::unique_ptr<LoadedSkin> lookupSkin() {
  SkinFiles files;
  files.options = std::string(
      "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\nCOLOR=1193046\r\nFONTCOLOR=255\r\nHOTCOLOR=-16777211\r\n"
      "BOXCHECKED=@0000@0000@0030@0010@3@0\r\nRADIOCHECKED=@0000@0000@0030@0010@3@0\r\n"
      "[BUTTON]\r\nBORDERSMASK=") + kBorder90x60 + "\r\nIMGTOPLEFT=@0000@0000@0004@0004@1@0\r\nPATTERN=~0000~0000~0010~0010~00~0\r\n"
      "[BUTTON_HUGE]\r\nPARENTCLASS=BUTTON\r\n"
      "[SELFISH]\r\nPARENTCLASS=SELFISH\r\n"
      "[TABTOP]\r\nBORDERSMASK=" + kBorder90x60 + "\r\n"
      "[TABBOTTOM]\r\nPARENTCLASS=TABTOP\r\n"
      "[COMBOBTN]\r\nPARENTCLASS=BUTTON\r\nHOTPATTERN=~0000~0000~0010~0010~00~0\r\n"
      "[LOOPA]\r\nPARENTCLASS=LOOPB\r\n[LOOPB]\r\nPARENTCLASS=LOOPA\r\n"
      "[TEXTURED]\r\nBORDERSMASK=" + kBorder90x60 + "\r\n"
      "[EDIT]\r\nHOTFONTCOLOR=-16777208\r\n"
      "[MENUITEM]\r\nHOTCOLOR=16777215\r\nHOTFONTCOLOR=65280\r\n"
      "[SCROLLBTNTOP]\r\nGLYPHMASK=@0000@0000@0030@0010@3@0\r\n";
  files.add("M.BMP", makeBmp(120, 80, 0));
  auto skin = loadPackage(files.package());
  EXPECT_TRUE(skin->status) << skin->status.error();
  return skin;
}

TEST(SkinLookups, SectionsAndMasksWithInheritance) {
  auto skin = lookupSkin();
  const SkinModel& m = skin->model;
  const int button = m.FindSection("BUTTON");
  const int huge = m.FindSection("BUTTON_HUGE");
  const int buttonBorder = m.FindMaskExact("BUTTON", "BORDERSMASK");
  ASSERT_GE(button, 0);
  ASSERT_GE(buttonBorder, 0);
  EXPECT_EQ(m.FindSection("button"), -1);  // exact names
  EXPECT_EQ(m.FindSection(""), -1);

  struct Case {
    const char* what;
    int index;
    std::string section, key;
    int expected;
  };
  const Case cases[] = {
      {"own mask", button, "BUTTON", "BORDERSMASK", buttonBorder},
      {"borrowed from PARENTCLASS", huge, "BUTTON_HUGE", "BORDERSMASK", buttonBorder},
      {"self-reference", m.FindSection("SELFISH"), "SELFISH", "BORDERSMASK", -1},
      {"cycle A -> B -> A", m.FindSection("LOOPA"), "LOOPA", "BORDERSMASK", -1},
      {"another name falls back along the indexed section", huge, "NOSUCH", "BORDERSMASK", buttonBorder},
      {"negative index", -1, "BUTTON", "BORDERSMASK", -1},
      {"empty name", button, "", "BORDERSMASK", -1},
      {"unknown key", button, "BUTTON", "NOSUCHKEY", -1},
      {"index past the end", 10000, "NOSUCH", "BORDERSMASK", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(m.FindMask(c.index, c.section, c.key), c.expected) << c.what;

  EXPECT_EQ(m.Sections[static_cast<size_t>(huge)].BorderMask, buttonBorder);
  EXPECT_EQ(m.Sections[static_cast<size_t>(m.FindSection("SELFISH"))].BorderMask, -1);
  EXPECT_EQ(m.Sections[static_cast<size_t>(huge)].CornerTopLeft, m.FindMaskExact("BUTTON", "IMGTOPLEFT"));
  EXPECT_EQ(m.Sections[static_cast<size_t>(m.FindSection("GLOBALINFO"))].BorderMask, -1);
  EXPECT_EQ(m.FindMaskExact("", "BORDERSMASK"), -1);
  EXPECT_EQ(m.FindMaskExact("BUTTON_HUGE", "BORDERSMASK"), -1);
}

TEST(SkinLookups, FindTextureSeesOnlyTextures) {
  auto skin = lookupSkin();
  SkinModel& m = skin->model;
  const int textured = m.FindSection("TEXTURED");
  // A texture stored after a border mask of the same section and key.
  TsMaskData texture;
  texture.SectionName = "TEXTURED";
  texture.PropertyName = "BORDERSMASK";
  texture.ImgType = TacImgType::itisaTexture;
  m.Masks.push_back(std::move(texture));
  m.invalidateLookups();
  const int textureIndex = static_cast<int>(m.Masks.size()) - 1;
  EXPECT_EQ(m.FindMask(textured, "TEXTURED", "BORDERSMASK"), m.FindMaskExact("TEXTURED", "BORDERSMASK"));
  EXPECT_NE(m.FindMask(textured, "TEXTURED", "BORDERSMASK"), textureIndex);
  EXPECT_EQ(m.FindTexture(textured, "TEXTURED", "BORDERSMASK"), textureIndex);
  EXPECT_EQ(m.FindTexture(m.FindSection("BUTTON"), "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(m.FindTexture(m.FindSection("BUTTON_HUGE"), "BUTTON_HUGE", "PATTERN"), m.FindMaskExact("BUTTON", "PATTERN"));
  EXPECT_EQ(m.FindTexture(10000, "X", "PATTERN"), -1);
  EXPECT_EQ(m.FindPattern(10000, "X", "PATTERN"), -1);
}

TEST(SkinLookups, CommonIndices) {
  auto skin = lookupSkin();
  SkinModel& m = skin->model;
  const TsCommonIndices& c = m.CommonIndices;
  EXPECT_EQ(c.GlobalInfo, m.FindSection("GLOBALINFO"));
  EXPECT_EQ(c.BoxChecked, m.FindMaskExact("GLOBALINFO", "BOXCHECKED"));
  EXPECT_EQ(c.RadioChecked, m.FindMaskExact("GLOBALINFO", "RADIOCHECKED"));
  EXPECT_EQ(c.BoxGrayed, -1);
  EXPECT_EQ(c.TabTop, m.FindSection("TABTOP"));
  EXPECT_EQ(c.TabBottom, m.FindSection("TABBOTTOM"));
  EXPECT_GE(c.TabTopBorder, 0);
  EXPECT_EQ(c.TabBottomBorder, c.TabTopBorder);  // borrowed from its PARENTCLASS
  EXPECT_EQ(c.TabLeft, -1);
  EXPECT_EQ(c.TabLeftBorder, -1);
  EXPECT_EQ(c.ComboBtn, m.FindSection("COMBOBTN"));
  EXPECT_EQ(c.ComboBtnBorder, -1);  // exact lookup: not borrowed from BUTTON
  EXPECT_EQ(c.ComboBtnTexture, m.FindMaskExact("BUTTON", "PATTERN"));
  EXPECT_EQ(c.ComboBtnHotTexture, m.FindMaskExact("COMBOBTN", "HOTPATTERN"));
  EXPECT_EQ(c.ScrollBtnTopGlyph, m.FindMaskExact("SCROLLBTNTOP", "GLYPHMASK"));
  EXPECT_EQ(c.ScrollBtnBottomGlyph, -1);

  // Skinning switched off: the model is emptied, every entry becomes -1.
  m.clearModel();
  m.CacheCommonIndices();
#define TAVRA_EXPECT_NONE(type, name) EXPECT_EQ(m.CommonIndices.name, -1) << #name;
  TAVRA_COMMON_INDICES(TAVRA_EXPECT_NONE)
#undef TAVRA_EXPECT_NONE
}

TEST(SkinLookups, MaskGeometry) {
  SkinModel m;
  auto add = [&](Rect rect, int count, int type, int border) {
    TsMaskData mask;
    mask.Rect = rect;
    mask.ImageCount = static_cast<std::int16_t>(count);
    mask.MaskType = static_cast<std::int16_t>(type);
    mask.BorderWidth = static_cast<std::int16_t>(border);
    m.Masks.push_back(std::move(mask));
    return static_cast<int>(m.Masks.size()) - 1;
  };
  const int plain = add({0, 0, 90, 60}, 3, 1, 0);
  const int bordered = add({0, 0, 90, 60}, 3, 1, 4);
  const int zero = add({0, 0, 90, 60}, 0, 0, 0);
  EXPECT_EQ(m.MaskWidthLeft(plain), 10);
  EXPECT_EQ(m.MaskWidthRight(plain), 10);
  EXPECT_EQ(m.MaskWidthTop(plain), 10);
  EXPECT_EQ(m.MaskWidthBottom(plain), 10);
  EXPECT_EQ(m.MaskWidthLeft(bordered), 4);
  EXPECT_EQ(m.MaskWidthBottom(bordered), 4);
  EXPECT_EQ(m.MaskFrameSize(plain), (Size{30, 30}));
  // ImageCount 0: one frame wide, never a division by zero; reading the widths changes nothing.
  EXPECT_EQ(m.MaskFrameSize(zero), (Size{90, 60}));
  EXPECT_EQ(m.MaskWidthRight(zero), 30);
  EXPECT_EQ(m.MaskWidthLeft(zero), 30);
  EXPECT_EQ(m.Masks[static_cast<size_t>(zero)].ImageCount, 0);
  EXPECT_EQ(m.MaskWidthLeft(99), 0);
  EXPECT_EQ(m.MaskFrameSize(-1), Size{});

  m.Masks[static_cast<size_t>(plain)].Image = std::make_unique<Bitmap>(33, 20);
  EXPECT_EQ(m.MaskFrameSize(plain), (Size{11, 10}));
  EXPECT_TRUE(m.IsValidMask(plain));
  EXPECT_FALSE(m.IsValidMask(3));
  EXPECT_FALSE(m.IsValidSection(0));
}

TEST(SkinLookups, ColourAccessors) {
  auto skin = lookupSkin();
  const SkinModel& m = skin->model;
  EXPECT_EQ(m.GlobalColor(), 1193046u);
  EXPECT_EQ(m.GlobalFontColor(), 255u);
  EXPECT_EQ(m.GlobalHotColor(), systemColorValue(5));
  EXPECT_EQ(m.EditHotFontColor(), systemColorValue(8));
  EXPECT_EQ(m.MenuHighlightColor(), clHighlight);  // MENUITEM's HotColor is white
  EXPECT_EQ(m.MenuHighlightTextColor(), clHighlightText);

  SkinModel empty;
  empty.CacheCommonIndices();
  EXPECT_EQ(empty.GlobalColor(), systemColorValue(15));
  EXPECT_EQ(empty.GlobalFontColor(), clFuchsia);
  EXPECT_EQ(empty.GlobalHotColor(), systemColorValue(5));
  EXPECT_EQ(empty.EditHotFontColor(), clFuchsia);

  auto menu = loadOptions("[MENUITEM]\r\nHOTCOLOR=255\r\nHOTFONTCOLOR=65280\r\n");
  EXPECT_EQ(menu->model.MenuHighlightColor(), 255u);
  EXPECT_EQ(menu->model.MenuHighlightTextColor(), 65280u);
  auto black = loadOptions("[MENUITEM]\r\nHOTCOLOR=255\r\nHOTFONTCOLOR=0\r\n");
  EXPECT_EQ(black->model.MenuHighlightTextColor(), clHighlightText);
}

}  // namespace
}  // namespace tavra::test
