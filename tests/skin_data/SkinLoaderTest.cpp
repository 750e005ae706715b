#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/TsStoredSkins.h"

namespace tavra::test {
namespace {

const TsGeneralData& section(const LoadedSkin& skin, std::string_view name) {
  int index = skin.model.FindSection(name);
  EXPECT_GE(index, 0) << name;
  static const TsGeneralData kNone;
  return index >= 0 ? skin.model.Sections[static_cast<size_t>(index)] : kNone;
}

TEST(SkinLoader, SectionsInFileOrderWithTheirDefaults) {
  auto skin = loadOptions("[GLOBALINFO]\r\nVERSION=6.14\r\n\r\n[PLAIN]\r\n\r\n[Mixed]\r\nCOLOR=255\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  ASSERT_EQ(skin->model.Sections.size(), 3u);
  EXPECT_EQ(skin->model.Sections[1].SectionName, "PLAIN");
  EXPECT_EQ(skin->model.Sections[2].SectionName, "Mixed");
  const TsGeneralData& plain = section(*skin, "PLAIN");
  EXPECT_EQ(plain.Color, 0xFFFFFFu);
  EXPECT_EQ(plain.FontColor, kDefaultFontColors);
  EXPECT_EQ(plain.FadingIterations, 5);
  EXPECT_EQ(plain.GradientData, " ");
  EXPECT_TRUE(plain.GradientSteps.empty());
  EXPECT_EQ(plain.HotGradientData, "");
  EXPECT_EQ(plain.HotColor, 0xFFFFFFu);
  EXPECT_EQ(plain.BorderMask, -1);
  EXPECT_EQ(plain.CornerTopLeft, -1);
  EXPECT_DOUBLE_EQ(skin->model.SkinData.Version, 6.14);
}

TEST(SkinLoader, InheritedReads) {
  auto skin = loadOptions(
      "[BUTTON]\r\nCOLOR=255\r\nFADINGITERATIONS=9\r\nGRADIENTDATA=1;2;50;0;0\r\nSHOWFOCUS=TRUE\r\nTRANSPARENCY=30\r\n"
      "HOTGRADIENTDATA=?\r\n"
      "[CHILD]\r\nPARENTCLASS=BUTTON\r\nCOLOR=-1\r\nTRANSPARENCY=abc\r\nGRADIENTDATA=\r\n"
      "[GRANDCHILD]\r\nPARENTCLASS=CHILD\r\n"
      "[ORPHAN]\r\nPARENTCLASS=NOSUCH\r\nCOLOR=-1\r\n"
      "[SELF]\r\nPARENTCLASS=SELF\r\n"
      "[LOWER]\r\nPARENTCLASS=button\r\n"
      "[A]\r\nPARENTCLASS=B\r\n"
      "[B]\r\nPARENTCLASS=A\r\nGLOW=3\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  struct Case {
    const char* name;
    Color color;
    int fading;
    int transparency;
    std::string gradient;
    bool showFocus;
  };
  const Case cases[] = {
      {"CHILD", 255, 9, 30, "", true},                      // -1 and a non-integer count as missing; "" is present
      {"GRANDCHILD", 255, 9, 30, "", true},                 // two steps up the chain
      {"ORPHAN", 0xFFFFFF, 5, 0, " ", false},              // a parent that does not exist
      {"SELF", 0xFFFFFF, 5, 0, " ", false},                // a section naming itself
      {"LOWER", 255, 9, 30, "1;2;50;0;0", true},           // the store finds the parent ignoring case
      {"A", 0xFFFFFF, 5, 0, " ", false},                   // A -> B -> A is cut
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TsGeneralData& s = section(*skin, c.name);
    EXPECT_EQ(s.Color, c.color);
    EXPECT_EQ(s.FadingIterations, c.fading);
    EXPECT_EQ(s.Transparency, c.transparency);
    EXPECT_EQ(s.GradientData, c.gradient);
    EXPECT_EQ(s.ShowFocus, c.showFocus);
  }
  EXPECT_EQ(section(*skin, "A").GlowCount, 3);  // found in B before the walk comes back to A
  EXPECT_EQ(section(*skin, "CHILD").ParentClass, "BUTTON");
  EXPECT_EQ(section(*skin, "BUTTON").HotGradientData, "");  // a lone "?" counts as missing
  ASSERT_EQ(section(*skin, "BUTTON").GradientSteps.size(), 1u);
  EXPECT_TRUE(section(*skin, "CHILD").GradientSteps.empty());
}

TEST(SkinLoader, BooleansAreTrueOnlyForTrue) {
  const std::pair<const char*, bool> cases[] = {{"TRUE", true}, {"true", true}, {"True", true}, {"1", false},
                                                {"FALSE", false}, {"yes", false}, {"", false}};
  for (const auto& [value, expected] : cases) {
    auto skin = loadOptions(std::string("[EDIT]\r\nSHOWFOCUS=") + value + "\r\nFADINGENABLED=" + value + "\r\n");
    ASSERT_TRUE(skin->status);
    EXPECT_EQ(section(*skin, "EDIT").ShowFocus, expected) << value;
    EXPECT_EQ(section(*skin, "EDIT").FadingEnabled, expected) << value;
  }
}

TEST(SkinLoader, SystemColoursAreResolvedInColorOnly) {
  auto skin = loadOptions("[PANEL]\r\nCOLOR=-16777201\r\nHOTCOLOR=-16777201\r\n");  // 0xFF00000F, button face
  ASSERT_TRUE(skin->status);
  EXPECT_EQ(section(*skin, "PANEL").Color, systemColorValue(15));
  EXPECT_EQ(section(*skin, "PANEL").HotColor, 0xFF00000Fu);
}

TEST(SkinLoader, HeaderValuesAndStrictKeys) {
  auto skin = loadOptions(
      "[GLOBALINFO]\r\nVERSION=5.5\r\nAUTHOR=Somebody\r\nDESCRIPTION=Test skin\r\nSHADOW1COLOR=12\r\nSHADOW1OFFSET=3\r\n"
      "SHADOW1TRANSPARENCY=40\r\nBISPACE=2\r\nBIVALIGN=1\r\nBIRIGHT=5\r\nBILEFT=6\r\nBORDERCOLOR=255\r\n"
      "BICONCLOSEGLOW=1\r\nBICONCLOSEGLOWMARGIN=2\r\nBICONMAXGLOW=3\r\nBICONMAXGLOWMARGIN=4\r\nBICONMINGLOW=5\r\n"
      "BICONMINGLOWMARGIN=6\r\n");
  ASSERT_TRUE(skin->status) << skin->status.error();
  const TsSkinData& h = skin->model.SkinData;
  EXPECT_DOUBLE_EQ(h.Version, 5.5);
  EXPECT_EQ(h.Author, "Somebody");
  EXPECT_EQ(h.Description, "Test skin");
  EXPECT_EQ(h.Shadow1Color, 12);
  EXPECT_EQ(h.Shadow1Offset, 3);
  EXPECT_EQ(h.Shadow1Blur, -1);
  EXPECT_EQ(h.Shadow1Transparency, 40);
  EXPECT_EQ(h.BISpace, 2);
  EXPECT_EQ(h.BIVAlign, 1);
  EXPECT_EQ(h.BIRight, 5);
  EXPECT_EQ(h.BILeft, 6);
  EXPECT_EQ(h.BorderColor, 255u);
  EXPECT_EQ(h.BICloseGlow, 1);
  EXPECT_EQ(h.BICloseGlowMargin, 2);
  EXPECT_EQ(h.BIMaxGlow, 3);
  EXPECT_EQ(h.BIMaxGlowMargin, 4);
  EXPECT_EQ(h.BIMinGlow, 5);
  EXPECT_EQ(h.BIMinGlowMargin, 6);

  for (const char* bad : {"SHADOW1BLUR=x", "SHADOW1OFFSET=", "BICONMAXGLOW=1.5"}) {
    auto failed = loadOptions(std::string("[GLOBALINFO]\r\n") + bad + "\r\n[BUTTON]\r\n");
    ASSERT_FALSE(failed->status) << bad;
    EXPECT_NE(failed->status.error().find("is not a valid integer value"), std::string::npos);
    EXPECT_NE(failed->status.error().find("GLOBALINFO"), std::string::npos);
  }
  // The tolerant keys take their default.
  auto tolerant = loadOptions("[GLOBALINFO]\r\nSHADOW1COLOR=red\r\nBISPACE=\r\n");
  ASSERT_TRUE(tolerant->status);
  EXPECT_EQ(tolerant->model.SkinData.Shadow1Color, 0);
}

TEST(SkinLoader, VersionNoticeForNewerSkins) {
  const std::pair<const char*, bool> cases[] = {{"6.29", false}, {"6.14", false}, {"5.0", false}, {"6.3", true}, {"7", true}};
  for (const auto& [version, noticed] : cases) {
    NoticeRecorder recorder;
    auto skin = loadOptions(std::string("[GLOBALINFO]\r\nVERSION=") + version + "\r\n");
    ASSERT_TRUE(skin->status);
    ASSERT_EQ(recorder.notices.size(), noticed ? 1u : 0u) << version;
    if (noticed) {
      EXPECT_EQ(recorder.notices[0].first, SkinNoticeKind::Message);
      EXPECT_EQ(recorder.notices[0].second,
                "This version of skin have not complete support by used CorvexKit package release.\n"
                "Components must be updated to latest version for using this skin.");
    }
  }
}

TEST(SkinLoader, BadGradientStopsTheLoadKeepingEarlierSections) {
  auto skin = loadOptions("[FIRST]\r\nCOLOR=1\r\n[SECOND]\r\nGRADIENTDATA=1;2;x;0;0\r\n[THIRD]\r\n");
  ASSERT_FALSE(skin->status);
  EXPECT_NE(skin->status.error().find("SECOND"), std::string::npos);
  ASSERT_EQ(skin->model.Sections.size(), 1u);
  EXPECT_EQ(skin->model.Sections[0].SectionName, "FIRST");
}

TEST(SkinLoader, MasterBitmapAndMasterRegionMasks) {
  SkinFiles files;
  files.options =
      "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\nCHECK=@0000@0000@0030@0010@3@0\r\n"
      "[Button]\r\nBORDERSMASK=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0\r\nPATTERN=~0000~0000~0010~0010~00~0\r\n"
      "NOTHING=N/A\r\nCOLOR=123\r\n";
  files.add("Master.bmp", makeBmp(120, 80, 0x00FF00FF));
  auto skin = loadPackage(files.package());
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& m = skin->model;
  EXPECT_EQ(m.MasterBitmap.width(), 120);
  EXPECT_EQ(m.MasterBitmap.height(), 80);
  EXPECT_EQ(m.MasterBitmap.format(), PixelFormat::Bits24);
  EXPECT_TRUE(m.MasterBitmap.transparent);
  EXPECT_EQ(m.MasterBitmap.transparentColor, clFuchsia);
  ASSERT_EQ(m.Masks.size(), 3u);  // MASTERBITMAP, N/A and the colour give none
  EXPECT_EQ(m.Masks[0].SectionName, "GLOBALINFO");
  EXPECT_EQ(m.Masks[0].PropertyName, "CHECK");
  EXPECT_EQ(m.Masks[0].ImgType, TacImgType::itisaGlyph);
  EXPECT_EQ(m.Masks[1].SectionName, "Button");  // spelled as in the file
  EXPECT_EQ(m.Masks[1].WL, 10);
  EXPECT_EQ(m.Masks[1].WT, 10);
  EXPECT_EQ(m.Masks[2].ImgType, TacImgType::itisaTexture);
  for (const TsMaskData& mask : m.Masks) EXPECT_EQ(mask.Owner, &m);
}

// A skin loads the same from a folder and from a package: names in the options find their files
// and entries whatever the letter case on either side.
TEST(SkinLoader, PackedAndUnpackedSkinsFindTheSameImagesWhateverTheLetterCase) {
  struct Case {
    const char* named;   // as the options spell it
    const char* stored;  // as the file or entry is called
  };
  const Case cases[] = {{"Master.bmp", "Master.bmp"}, {"MASTER.BMP", "master.bmp"}, {"master.BMP", "MASTER.bmp"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.named) + " / " + c.stored);
    SkinFiles files;
    files.options = std::string("[GLOBALINFO]\r\nMASTERBITMAP=") + c.named +
                    "\r\n[BUTTON]\r\nGLYPH=!Glyph.PNG!1!0!3!1!2!3!4\r\nPLAIN=Plain.Bmp\r\n";
    files.add(c.stored, makeBmp(6, 4, 0)).add("GLYPH.png", makePng(Bitmap(5, 3, PixelFormat::Bits32))).add("plain.BMP", makeBmp(9, 2, 0));
    TempDir dir;
    files.writeFolder(dir.path() / "Skin");
    auto packed = loadPackage(files.package());
    auto unpacked = loadFolder((dir.path() / "Skin").string());
    for (const LoadedSkin* skin : {packed.get(), unpacked.get()}) {
      SCOPED_TRACE(skin == packed.get() ? "package" : "folder");
      ASSERT_TRUE(skin->status) << skin->status.error();
      EXPECT_EQ(skin->model.MasterBitmap.width(), 6);
      ASSERT_EQ(skin->model.Masks.size(), 2u);
      ASSERT_TRUE(skin->model.Masks[0].Image);
      EXPECT_EQ(skin->model.Masks[0].Image->width(), 5);
      ASSERT_TRUE(skin->model.Masks[1].Image);
      EXPECT_EQ(skin->model.Masks[1].Image->width(), 9);
    }
  }
}

TEST(SkinLoader, FileMasks) {
  SkinFiles files;
  files.options =
      "[BUTTON]\r\nBORDERSMASK=!BTN.BMP!3!1!0\r\nSMALL=!btn.bmp!3!1!0\r\nMIXED=!Btn.BMP!3!1!0\r\n"
      "MISSING=!NONE.BMP!3!1!0\r\nPLAIN=button.bmp\r\nNOPE=N/A\r\n";
  files.add("BTN.BMP", makeBmp(90, 60, 0x0000FF)).add("Button.bmp", makeBmp(30, 12, 0));
  auto skin = loadPackage(files.package());
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& m = skin->model;
  // A name in mixed case finds the entry as capitals do. An extension in small letters is no
  // image form at all; a missing file and N/A give no mask either.
  ASSERT_EQ(m.Masks.size(), 3u);

  const TsMaskData& own = m.Masks[0];
  EXPECT_EQ(own.PropertyName, "BORDERSMASK");
  ASSERT_TRUE(own.Image);
  EXPECT_EQ(own.Image->format(), PixelFormat::Bits24);
  EXPECT_EQ(own.Rect, (Rect{0, 0, 90, 60}));
  EXPECT_EQ(own.StretchMode, 4);
  EXPECT_EQ(own.WL, 10);
  EXPECT_EQ(own.WT, 10);

  EXPECT_EQ(m.Masks[1].PropertyName, "MIXED");
  ASSERT_TRUE(m.Masks[1].Image);
  EXPECT_EQ(m.Masks[1].Image->width(), 90);

  const TsMaskData& plain = m.Masks[2];
  EXPECT_EQ(plain.SectionName, "BUTTON");
  EXPECT_EQ(plain.PropertyName, "PLAIN");
  EXPECT_EQ(plain.ImageCount, 3);
  EXPECT_EQ(plain.MaskType, 1);
  EXPECT_EQ(plain.Rect, (Rect{0, 0, 30, 12}));
  EXPECT_EQ(plain.WL, 3);
  EXPECT_EQ(plain.WT, 2);
}

TEST(SkinLoader, PngMasksTurnWhiteIntoTransparentBlack) {
  Bitmap png(12, 8, PixelFormat::Bits32);  // large enough for the border widths given below
  png.setPixel(0, 0, 0x80FFFFFF);  // white, half transparent
  png.setPixel(1, 0, 0xFFFFFFFF);  // white, opaque
  png.setPixel(2, 0, 0xC00000FF);  // blue
  SkinFiles files;
  files.options = "[BUTTON]\r\nGLOW0=!GLOW.PNG!1!0!3!1!2!3!4\r\n";
  files.add("GLOW.PNG", makePng(png));
  auto skin = loadPackage(files.package());
  ASSERT_TRUE(skin->status) << skin->status.error();
  ASSERT_EQ(skin->model.Masks.size(), 1u);
  const TsMaskData& glow = skin->model.Masks[0];
  ASSERT_TRUE(glow.Image);
  EXPECT_EQ(glow.Image->format(), PixelFormat::Bits32);
  EXPECT_EQ(glow.Image->pixel(0, 0), 0u);
  EXPECT_EQ(glow.Image->pixel(1, 0), 0u);
  EXPECT_EQ(glow.Image->pixel(2, 0) & 0x00FFFFFFu, 0x0000FFu);
  EXPECT_EQ(glow.ImgType, TacImgType::itisaGlow);
  EXPECT_EQ(glow.WL, 1);
  EXPECT_EQ(glow.WB, 4);
}

TEST(SkinLoader, JpegsOfNinetyThousandPixelsArePatternsSmallerOnesTextures) {
  struct Case {
    int width, height;
    bool pattern;
  };
  const Case cases[] = {{300, 300, true}, {299, 300, false}, {450, 200, true}, {1, 1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    SkinFiles files;
    files.options = "[Form]\r\nPATTERN=back.jpg\r\n";
    files.add("BACK.JPG", makeJpeg(c.width, c.height, 0x336699));
    auto skin = loadPackage(files.package());
    ASSERT_TRUE(skin->status) << skin->status.error();
    const SkinModel& m = skin->model;
    if (c.pattern) {
      ASSERT_EQ(m.Patterns.size(), 1u);
      EXPECT_TRUE(m.Masks.empty());
      EXPECT_EQ(m.Patterns[0].SectionName, "FORM");
      EXPECT_EQ(m.Patterns[0].PropertyName, "PATTERN");
      ASSERT_TRUE(m.Patterns[0].Image);
      EXPECT_EQ(m.Patterns[0].Image->width(), c.width);
      EXPECT_EQ(m.FindPattern(0, "FORM", "PATTERN"), 0);
      EXPECT_EQ(m.FindPattern(0, "Form", "PATTERN"), -1);  // the pattern keeps the name upper-cased
    } else {
      EXPECT_TRUE(m.Patterns.empty());
      ASSERT_EQ(m.Masks.size(), 1u);
      const TsMaskData& texture = m.Masks[0];
      EXPECT_EQ(texture.ImgType, TacImgType::itisaTexture);
      EXPECT_EQ(texture.ImageCount, 1);
      EXPECT_EQ(texture.Rect, Rect{});
      EXPECT_EQ(texture.SectionName, "FORM");
      ASSERT_TRUE(texture.Image);
      EXPECT_EQ(texture.Image->width(), c.width);
      EXPECT_EQ(texture.Image->format(), PixelFormat::Bits24);
    }
  }
}

TEST(SkinLoader, UnpackedSkinFindsItsFilesWhateverTheirCase) {
  TempDir dir;
  SkinFiles files;
  files.options = "[GLOBALINFO]\r\nMASTERBITMAP=master.bmp\r\n[BUTTON]\r\nBORDERSMASK=!RED.BMP!3!1!0\r\nPATTERN=Back.JPG\r\n";
  files.add("MASTER.BMP", makeBmp(10, 10, 0)).add("red.bmp", makeBmp(30, 20, 0xFF)).add("BACK.jpg", makeJpeg(8, 8, 0));
  files.writeFolder(dir.path() / "Rhombus");
  std::filesystem::rename(dir.path() / "Rhombus" / "Options.dat", dir.path() / "Rhombus" / "OPTIONS.DAT");

  auto skin = loadFolder((dir.path() / "rhombus").string());
  ASSERT_TRUE(skin->status) << skin->status.error();
  EXPECT_EQ(skin->model.MasterBitmap.width(), 10);
  ASSERT_EQ(skin->model.Masks.size(), 2u);
  EXPECT_EQ(skin->model.Masks[0].Rect.width(), 30);
  EXPECT_EQ(skin->model.Masks[1].ImgType, TacImgType::itisaTexture);
}

TEST(SkinLoader, CommonSections) {
  SkinFiles files;
  files.options =
      "[BUTTON]\r\nCOLOR=255\r\nHOTCOLOR=65280\r\nFADINGENABLED=TRUE\r\nGRADIENTDATA=1;2;100;1;0\r\n"
      "BORDERSMASK=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0\r\n"
      "[PANEL]\r\nCOLOR=7\r\n";
  files.add("MASTER.BMP", makeBmp(100, 100, 0));
  std::vector<std::string> common = {"[PANEL]", "COLOR=99", "[MYBUTTON]", "PARENTCLASS=button", "HOTCOLOR=-1",
                                     "TRANSPARENCY=40", "FADINGENABLED=false", "[BARE]", "GLOW=2", "; note", "[ICON]",
                                     "IMAGE=#X(0,0,30,30)(1)"};
  files.options = "[GLOBALINFO]\r\nMASTERBITMAP=MASTER.BMP\r\n" + files.options;
  auto skin = loadPackage(files.package(), common);
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& m = skin->model;
  EXPECT_EQ(section(*skin, "PANEL").Color, 7u);  // the skin's own section wins
  const TsGeneralData& mine = section(*skin, "MYBUTTON");
  EXPECT_EQ(mine.ParentClass, "BUTTON");
  EXPECT_EQ(mine.Color, 255u);
  EXPECT_EQ(mine.HotColor, 65280u);
  EXPECT_EQ(mine.Transparency, 40);
  EXPECT_FALSE(mine.FadingEnabled);
  EXPECT_EQ(mine.GradientData, "1;2;100;1;0");
  EXPECT_EQ(mine.GradientSteps.size(), 1u);
  EXPECT_EQ(mine.BorderMask, m.FindMaskExact("BUTTON", "BORDERSMASK"));
  const TsGeneralData& bare = section(*skin, "BARE");
  EXPECT_EQ(bare.ParentClass, "-1");
  EXPECT_EQ(bare.GlowCount, 2);
  EXPECT_EQ(bare.Color, 0xFFFFFFu);
  EXPECT_EQ(bare.FadingIterations, 5);
  int icon = m.FindMaskExact("ICON", "IMAGE");
  ASSERT_GE(icon, 0);
  EXPECT_EQ(m.Masks[static_cast<size_t>(icon)].Rect, (Rect{0, 0, 30, 30}));
}

TEST(SkinLoader, CommonSectionFilesLieBesideTheSkin) {
  TempDir dir;
  SkinFiles files;
  files.options = "[BUTTON]\r\nCOLOR=1\r\n";
  files.add("Extra.bmp", makeBmp(12, 6, 0)).add("Wide.jpg", makeJpeg(20, 10, 0));
  files.writeFolder(dir.path() / "Skin");
  auto skin = loadFolder((dir.path() / "Skin").string(), {"[EXTRA]", "BORDERSMASK=extra.bmp", "PATTERN=WIDE.JPG", "EMPTY=none.bmp"});
  ASSERT_TRUE(skin->status) << skin->status.error();
  int extra = skin->model.FindMaskExact("EXTRA", "BORDERSMASK");
  ASSERT_GE(extra, 0);
  EXPECT_EQ(skin->model.Masks[static_cast<size_t>(extra)].Rect, (Rect{0, 0, 12, 6}));
  ASSERT_EQ(skin->model.Patterns.size(), 1u);  // any size is a pattern here
  EXPECT_EQ(skin->model.Patterns[0].PropertyName, "PATTERN");
  EXPECT_EQ(skin->model.FindMask(skin->model.FindSection("EXTRA"), "EXTRA", "BORDERSMASK"), extra);
}

TEST(SkinLoader, StoredCollections) {
  TsStoredSkins skins;
  TsStoredSkin& stored = skins.add();
  stored.Name = "Plain (internal)";
  stored.Version = 6.14;
  stored.Author = "us";
  stored.MasterBitmap = Bitmap(90, 60);
  TsSkinGeneral& button = stored.GeneralData.emplace_back();
  button.SectionName = "BUTTON";
  button.Color = 12;
  button.FontColor = "1 2 3 4 5";
  button.HotFontColor = "1 2";
  button.GradientData = "1;2;3;0;0";
  TsSkinImage& border = stored.Images.emplace_back();
  border.SectionName = "button";
  border.PropertyName = "bordersmask";
  border.Right = 90;
  border.Bottom = 60;
  TsSkinPattern& form = stored.Patterns.emplace_back();
  form.SectionName = "form";
  form.Image = Bitmap(9, 3);
  form.Name = "BACK";
  form.PropertyName = "pattern";
  TsSkinPattern& panel = stored.Patterns.emplace_back();
  panel.SectionName = "panel";
  panel.Name = "BACK";
  panel.PropertyName = "pattern";

  SkinModel model;
  SkinLoadInput input;
  input.SkinName = "Plain (internal)";
  input.InternalSkins = &skins;
  ASSERT_TRUE(SkinLoader(model, input).LoadAll());
  ASSERT_EQ(model.Masks.size(), 1u);
  const TsMaskData& mask = model.Masks[0];
  EXPECT_EQ(mask.SectionName, "BUTTON");
  EXPECT_EQ(mask.ImageCount, 3);  // 0 becomes 3 with a mask row
  EXPECT_EQ(mask.MaskType, 1);
  EXPECT_EQ(mask.WL, 10);
  ASSERT_EQ(model.Patterns.size(), 2u);
  ASSERT_TRUE(model.Patterns[1].Image);
  EXPECT_EQ(model.Patterns[1].Image->width(), 9);  // shared with the item of the same name
  ASSERT_EQ(model.Sections.size(), 1u);
  EXPECT_EQ(model.Sections[0].FontColor, (FontColors{1, 2, 3, 4, 5}));
  EXPECT_EQ(model.Sections[0].HotFontColor, kDefaultFontColors);
  EXPECT_EQ(model.Sections[0].GradientSteps.size(), 1u);
  EXPECT_EQ(model.Sections[0].BorderMask, 0);
  EXPECT_DOUBLE_EQ(model.SkinData.Version, 6.14);

  // A name that matches no stored skin leaves no masks and no patterns and keeps the sections.
  input.SkinName = "plain (internal)";
  ASSERT_TRUE(SkinLoader(model, input).LoadAll());
  EXPECT_TRUE(model.Masks.empty());
  EXPECT_TRUE(model.Patterns.empty());
  EXPECT_EQ(model.Sections.size(), 1u);
}

TEST(SkinLoader, HueAndSaturationAfterLoading) {
  Bitmap master(4, 1);
  master.setPixel(0, 0, pixelFromColor(0x0000FF));  // red
  master.setPixel(1, 0, pixelFromColor(0xFF00FF));  // magenta
  master.setPixel(2, 0, pixelFromColor(0x808080));  // grey
  master.setPixel(3, 0, pixelFromColor(0xFF0000));  // blue
  SkinFiles files;
  files.options =
      "[GLOBALINFO]\r\nMASTERBITMAP=M.BMP\r\nBORDERCOLOR=255\r\n"
      "[BUTTON]\r\nCOLOR=255\r\nHOTCOLOR=8421504\r\nFONTCOLOR=255\r\nGRADIENTDATA=255;65280;100;0;0\r\n";
  files.add("M.BMP", makeBmp(master));
  auto skin = loadPackage(files.package(), {}, 120, 0);
  ASSERT_TRUE(skin->status) << skin->status.error();
  const SkinModel& m = skin->model;
  EXPECT_EQ(m.MasterBitmap.colorAt(0, 0), 0x00FF00u);
  EXPECT_EQ(m.MasterBitmap.colorAt(1, 0), 0xFF00FFu);
  EXPECT_EQ(m.MasterBitmap.colorAt(2, 0), 0x808080u);
  EXPECT_EQ(m.MasterBitmap.colorAt(3, 0), 0x0000FFu);
  const TsGeneralData& button = section(*skin, "BUTTON");
  EXPECT_EQ(button.Color, 0x00FF00u);
  EXPECT_EQ(button.HotColor, 0x808080u);
  EXPECT_EQ(button.FontColor[0], 0x00FF00u);
  EXPECT_EQ(button.FontColor[1], kNoColor);
  EXPECT_EQ(button.GradientSteps[0].Color1, 0x00FF00u);
  EXPECT_EQ(button.GradientSteps[0].Color2, 0xFF0000u);
  EXPECT_EQ(m.SkinData.BorderColor, 0x00FF00u);

  auto grey = loadPackage(files.package(), {}, 0, 100);
  ASSERT_TRUE(grey->status);
  EXPECT_EQ(grey->model.MasterBitmap.colorAt(0, 0), 0x555555u);
  EXPECT_EQ(section(*grey, "BUTTON").Color, 0x555555u);
}

}  // namespace
}  // namespace tavra::test

namespace tavra::test {
namespace {

TEST(SkinLoader, LongParentChainsAreCut) {
  // S0 -> S1 -> ... -> S99; only S99 has values. A chain is followed over 64 sections at most.
  std::string options;
  for (int i = 0; i < 100; ++i) {
    options += "[S" + std::to_string(i) + "]\r\n";
    if (i < 99) options += "PARENTCLASS=S" + std::to_string(i + 1) + "\r\n";
  }
  options += "COLOR=5\r\nBORDERSMASK=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0\r\n";
  auto skin = loadOptions(options);
  ASSERT_TRUE(skin->status) << skin->status.error();
  EXPECT_EQ(section(*skin, "S0").Color, 0xFFFFFFu);
  EXPECT_EQ(section(*skin, "S0").BorderMask, -1);
  EXPECT_EQ(section(*skin, "S36").Color, 5u);
  EXPECT_EQ(section(*skin, "S36").BorderMask, 0);
}

TEST(SkinSource, OptionsAboveTheBoundAreRefused) {
  SkinFiles files;
  files.options = "[A]\r\n" + std::string(1024 * 1024, ';');
  auto source = SkinSource::fromPackageBytes(files.package());
  ASSERT_FALSE(source);
  EXPECT_NE(source.error().find("at most 1048576"), std::string::npos) << source.error();
}

}  // namespace
}  // namespace tavra::test
