#include <gtest/gtest.h>

#include "SkinFixtures.h"
#include "skin/data/SkinModelDump.h"

namespace tavra::test {
namespace {

TEST(SkinModelDump, StableTextOfEveryPart) {
  SkinFiles files;
  files.options =
      "[GLOBALINFO]\r\nVERSION=6.14\r\nAUTHOR=We\r\nMASTERBITMAP=M.BMP\r\n"
      "[BUTTON]\r\nCOLOR=255\r\nGRADIENTDATA=1;2;50;0;0\r\nBORDERSMASK=^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0\r\n"
      "PATTERN=BACK.JPG\r\n";
  files.add("M.BMP", makeBmp(90, 60, 0)).add("BACK.JPG", makeJpeg(300, 300, 0));
  auto first = loadPackage(files.package());
  auto second = loadPackage(files.package());
  ASSERT_TRUE(first->status) << first->status.error();
  const std::string text = dumpSkinModel(first->model);
  EXPECT_EQ(text, dumpSkinModel(second->model));
  for (const char* line : {"header\n", "  Version 6.14\n", "  Author \"We\"\n", "master 90x60 24-bit\n",
                           "section 1 \"BUTTON\"\n", "  Color 0x000000FF\n", "  GradientSteps 1 [0x00000001 0x00000002 50 0]\n",
                           "  FontColor 0x00000000 -1 -1 -1 -1\n", "  BorderMask 0\n", "mask 0 \"BUTTON\" \"BORDERSMASK\"\n",
                           "  Image none\n", "  Rect 0 0 90 60\n", "  WL 10\n", "pattern 0 \"BUTTON\" \"PATTERN\"\n",
                           "  Image 300x300 24-bit\n", "CommonIndices\n", "  GlobalInfo 0\n", "  ComboGlyph -1\n"}) {
    EXPECT_NE(text.find(line), std::string::npos) << line;
  }
}

}  // namespace
}  // namespace tavra::test
