// The skin packer and checker, run as the built tools.
#include <gtest/gtest.h>

#include "ToolRun.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>

#include "skin/data/SkinPackageWriter.h"
#include "skin/data/TacSkinConvertor.h"

namespace tavra {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

using test::runTool;
using test::ToolRun;

Bytes readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A 24-bit BMP of one grey level.
Bytes greyBmp(int width, int height, std::uint8_t level) {
  const int rowBytes = (width * 3 + 3) & ~3;
  const auto imageBytes = static_cast<std::uint32_t>(rowBytes * height);
  Bytes out = {'B', 'M'};
  auto put = [&](std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  };
  put(54 + imageBytes, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(static_cast<std::uint32_t>(width), 4);
  put(static_cast<std::uint32_t>(height), 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(imageBytes, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);  // colours used
  put(0, 4);  // colours important
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < rowBytes; ++x) out.push_back(x < width * 3 ? level : 0);
  }
  return out;
}

class TempFolder {
 public:
  TempFolder() : path_(fs::temp_directory_path() / ("tavra-tools-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

constexpr const char* kBorder = "^0000^0000^0090^0060^0000^0000^0000^0000^3^1^0^0";

// A skin with every section the program's windows need.
std::string completeOptions() {
  std::string options = "[GLOBALINFO]\r\nVERSION=6.14\r\nMASTERBITMAP=MASTER.BMP\r\nTCLEFT=0\r\n";
  for (const char* name : {"FORM", "FORMTITLE", "MAINMENU", "MENUITEM", "MENULINE", "SPEEDBUTTON_SMALL", "TOOLBAR", "DIVIDERV",
                           "PANEL", "BAR", "BUTTON", "BUTTON_HUGE", "SPEEDBUTTON", "EDIT", "GROUPBOX", "TABBOTTOM",
                           "PAGECONTROL", "TABTOP", "HINT", "ICOLINE"}) {
    options += std::string("[") + name + "]\r\nCOLOR=12632256\r\nBORDERSMASK=" + kBorder + "\r\n";
  }
  return options;
}

void writeSkinFolder(const fs::path& folder, const std::string& options) {
  fs::create_directories(folder);
  std::ofstream(folder / "Options.dat", std::ios::binary) << options;
  writeBytes(folder / "Master.bmp", greyBmp(120, 80, 0x80));
  writeBytes(folder / "Extra.bmp", greyBmp(9, 6, 0x40));
}

TEST(SkinPack, PacksOptionsFirstAndUnpacksTheSameFiles) {
  TempFolder dir;
  writeSkinFolder(dir.path() / "Demo", completeOptions());
  const fs::path package = dir.path() / "Demo.asz";
  ToolRun pack = runTool("skinpack", "pack " + (dir.path() / "Demo").string() + " " + package.string());
  ASSERT_EQ(pack.status, 0) << pack.output;

  const Bytes bytes = readBytes(package);
  TacSkinConvertor converter;
  converter.setSource(bytes);
  ASSERT_TRUE(converter.Read());
  EXPECT_EQ(converter.bytesRead(), bytes.size());
  ASSERT_EQ(converter.Images.size(), 2u);
  EXPECT_EQ(converter.Images[0].Name, "Extra.bmp");
  EXPECT_EQ(converter.Images[1].Name, "Master.bmp");
  // The first entry is "Options.dat" and its stream starts with the default-level zlib header.
  const size_t nameLength = bytes[8];
  EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 12 + static_cast<long>(nameLength)), "Options.dat");
  EXPECT_EQ(bytes[12 + nameLength + 4], 0x78);
  EXPECT_EQ(bytes[12 + nameLength + 5], 0x9C);

  ToolRun unpack = runTool("skinpack", "unpack " + package.string() + " " + (dir.path() / "Out").string());
  ASSERT_EQ(unpack.status, 0) << unpack.output;
  for (const char* name : {"Options.dat", "Master.bmp", "Extra.bmp"}) {
    EXPECT_EQ(readBytes(dir.path() / "Out" / name), readBytes(dir.path() / "Demo" / name)) << name;
  }
  ToolRun list = runTool("skinpack", "list " + package.string());
  EXPECT_EQ(list.status, 0);
  EXPECT_NE(list.output.find("Master.bmp 28854"), std::string::npos) << list.output;
}

TEST(SkinPack, UnpackWritesOnlyPlainFileNames) {
  TempFolder dir;
  SkinPackageWriter writer;
  writer.add("Options.dat", std::string_view("[A]"));
  writer.add("../escaped.bmp", Bytes{1});
  writer.add("fine.bmp", Bytes{2});
  writeBytes(dir.path() / "Evil.asz", writer.build());
  ToolRun unpack = runTool("skinpack", "unpack " + (dir.path() / "Evil.asz").string() + " " + (dir.path() / "Out").string());
  EXPECT_EQ(unpack.status, 0);
  EXPECT_NE(unpack.output.find("not a plain file name"), std::string::npos);
  EXPECT_FALSE(fs::exists(dir.path() / "escaped.bmp"));
  EXPECT_TRUE(fs::exists(dir.path() / "Out" / "fine.bmp"));
}

TEST(SkinPack, RefusesWhatIsNoSkin) {
  TempFolder dir;
  fs::create_directories(dir.path() / "Empty");
  EXPECT_EQ(runTool("skinpack", "pack " + (dir.path() / "Empty").string() + " " + (dir.path() / "x.asz").string()).status, 1);
  writeBytes(dir.path() / "bad.asz", Bytes{'N', 'O', 'P', 'E', 0, 0, 0, 0});
  ToolRun unpack = runTool("skinpack", "unpack " + (dir.path() / "bad.asz").string() + " " + (dir.path() / "Out").string());
  EXPECT_EQ(unpack.status, 1);
  EXPECT_NE(unpack.output.find("Loaded data is not packed Corvex file"), std::string::npos);
  EXPECT_EQ(runTool("skinpack", "frobnicate").status, 2);
}

// What the loader refuses is never packed: a package the program could not load helps nobody.
TEST(SkinPack, RefusesOptionsLargerThanTheLoaderReads) {
  TempFolder dir;
  std::string options = completeOptions();
  writeSkinFolder(dir.path() / "Fits", options + std::string(1024 * 1024 - options.size(), ';'));
  EXPECT_EQ(runTool("skinpack", "pack " + (dir.path() / "Fits").string() + " " + (dir.path() / "fits.asz").string()).status, 0);
  writeSkinFolder(dir.path() / "Big", options + std::string(1024 * 1024 - options.size() + 1, ';'));
  ToolRun big = runTool("skinpack", "pack " + (dir.path() / "Big").string() + " " + (dir.path() / "big.asz").string());
  EXPECT_EQ(big.status, 1);
  EXPECT_NE(big.output.find("holds 1048577 bytes; a skin's options may hold at most 1048576"), std::string::npos) << big.output;
  EXPECT_FALSE(fs::exists(dir.path() / "big.asz"));
}

TEST(SkinLint, SaysWhenOptionsAreEmptyAndWhenAGradientHasNoStep) {
  TempFolder dir;
  writeSkinFolder(dir.path() / "Empty", "");
  ToolRun empty = runTool("skinlint", (dir.path() / "Empty").string());
  EXPECT_NE(empty.output.find("warning: Options.dat is empty: the skin has no sections"), std::string::npos) << empty.output;
  EXPECT_EQ(empty.output.find("missing section"), std::string::npos) << empty.output;
  EXPECT_EQ(runTool("skinlint", "--strict " + (dir.path() / "Empty").string()).status, 3);

  struct Case {
    const char* gradient;
    const char* note;  // null: no note on the count
  };
  const Case cases[] = {
      {"1;2;50", "the gradient has 3 numbers, fewer than the five of one step; it is ignored"},
      {"7", "the gradient has 1 number, fewer than the five of one step"},
      {"0;2;50;7;0;1;2", "the gradient has 7 numbers; those past the last group of five are ignored"},
      {"0;2;50;7;0", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.gradient);
    writeSkinFolder(dir.path() / "Grad", completeOptions() + "[ODD]\r\nGRADIENTDATA=" + c.gradient + "\r\n");
    ToolRun lint = runTool("skinlint", (dir.path() / "Grad").string());
    if (c.note) {
      EXPECT_NE(lint.output.find(std::string("note: [ODD] GRADIENTDATA: ") + c.note), std::string::npos) << lint.output;
    } else {
      EXPECT_EQ(lint.output.find("GRADIENTDATA: the gradient has"), std::string::npos) << lint.output;
    }
  }
}

TEST(SkinLint, ACompleteSkinHasNoWarnings) {
  TempFolder dir;
  writeSkinFolder(dir.path() / "Good", completeOptions());
  ToolRun lint = runTool("skinlint", "--strict " + (dir.path() / "Good").string());
  EXPECT_EQ(lint.status, 0) << lint.output;
  EXPECT_NE(lint.output.find(": 0 warnings, 1 note"), std::string::npos) << lint.output;
}

TEST(SkinLint, ReportsWhatASkinAuthorNeedsToKnow) {
  TempFolder dir;
  std::string options = completeOptions();
  options.replace(options.find("[HINT]"), 6, "[Hint]");
  options.erase(options.find("TCLEFT=0\r\n"), 10);
  options += std::string("[ODD]\r\nCOLOR=red\r\nSHOWFOCUS=1\r\nGRADIENTDATA=1;2;50;7;0;1;2\r\nGLYPH=!extra.bmp!1!0!0\r\n") +
             "PIC=photo.png\r\nGONE=!GONE.BMP!1!0!0\r\nBROKEN=Broken.bmp\r\nOUT=^0100^0000^0200^0060^0000^0000^0000^0000^3^1^0^0\r\n"
             "WIDE=^0000^0000^0060^0040^9999^9999^9999^9999^3^1^0^0\r\nTURNED=^0060^0000^0000^0040^0000^0000^0000^0000^1^0^0^0\r\n"
             "TRANSPARENCY=250\r\n"
             "[LOOPA]\r\nPARENTCLASS=LOOPB\r\n[LOOPB]\r\nPARENTCLASS=LOOPA\r\n[ORPHAN]\r\nPARENTCLASS=NOWHERE\r\n";
  writeSkinFolder(dir.path() / "Odd", options);
  std::ofstream(dir.path() / "Odd" / "Broken.bmp") << "not a bitmap";
  ToolRun lint = runTool("skinlint", (dir.path() / "Odd").string());
  EXPECT_EQ(lint.status, 0) << lint.output;
  for (const char* expected : {
           "warning: missing section HINT (hints); the skin has \"Hint\", but section names are compared exactly",
           "warning: [ODD] COLOR: \"red\" is not an integer",
           "warning: [ODD] SHOWFOCUS: \"1\" is neither TRUE nor FALSE",
           "note: [ODD] GRADIENTDATA: the gradient has 7 numbers",
           "warning: [ODD] GRADIENTDATA: mode 7 paints nothing",
           "warning: [ODD] GLYPH: \"!extra.bmp!1!0!0\": the file name must hold \".BMP\" or \".PNG\" in capitals",
           "warning: [ODD] PIC: \"photo.png\" names an image in no form the engine reads",
           "warning: [ODD] GONE: BMP image \"GONE.BMP\" is missing",
           "warning: [ODD] BROKEN: BMP image \"Broken.bmp\" is empty or cannot be decoded",
           "warning: [ODD] OUT: the rectangle (100, 0, 200, 60) reaches outside the picture (120x80); cut to (100, 0, 120, 60)",
           "warning: [ODD] WIDE: WL 9999 and WR 9999 do not fit a frame 20 pixels wide; WL 10, WR 10",
           "warning: [ODD] WIDE: WT 9999 and WB 9999 do not fit a frame 20 pixels high; WT 10, WB 10",
           "warning: [ODD] TURNED: the rectangle (60, 0, 0, 40) is inverted; the key counts as missing",
           "warning: [ODD] TRANSPARENCY: 250 is outside 0..100; 100",
           "warning: [LOOPA] PARENTCLASS: PARENTCLASS cycle LOOPA -> LOOPB -> LOOPA",
           "warning: [ORPHAN] PARENTCLASS: names the missing section \"NOWHERE\"",
           "note: [GLOBALINFO] TCLEFT: missing: effect labels that take their colours from the skin keep their own text colour",
       }) {
    EXPECT_NE(lint.output.find(expected), std::string::npos) << expected << "\n" << lint.output;
  }
  EXPECT_EQ(runTool("skinlint", "--strict " + (dir.path() / "Odd").string()).status, 3);
}

TEST(SkinLint, ExitsNonZeroWhenTheSkinCannotBeLoaded) {
  TempFolder dir;
  writeBytes(dir.path() / "bad.asz", Bytes{'a', 's', 'z', 'f', 0, 0, 0, 0});
  ToolRun rejected = runTool("skinlint", (dir.path() / "bad.asz").string());
  EXPECT_EQ(rejected.status, 1);
  EXPECT_NE(rejected.output.find("Loaded data is not packed Corvex file"), std::string::npos);

  writeSkinFolder(dir.path() / "Strict", "[GLOBALINFO]\r\nSHADOW1BLUR=soft\r\n");
  ToolRun stopped = runTool("skinlint", (dir.path() / "Strict").string());
  EXPECT_EQ(stopped.status, 1);
  EXPECT_NE(stopped.output.find("error: 'soft' is not a valid integer value (section GLOBALINFO, key SHADOW1BLUR)"),
            std::string::npos)
      << stopped.output;

  EXPECT_EQ(runTool("skinlint", (dir.path() / "missing.asz").string()).status, 1);
  EXPECT_EQ(runTool("skinlint", "").status, 2);
}

TEST(SkinLint, DumpPrintsTheLoadedModel) {
  TempFolder dir;
  writeSkinFolder(dir.path() / "Good", completeOptions());
  ToolRun dump = runTool("skinlint", "--dump " + (dir.path() / "Good").string());
  ASSERT_EQ(dump.status, 0) << dump.output;
  for (const char* expected : {"header\n  Version 6.14\n", "master 120x80 24-bit\n", "section 20 \"ICOLINE\"\n",
                               "mask 0 \"FORM\" \"BORDERSMASK\"\n", "CommonIndices\n  GlobalInfo 0\n"}) {
    EXPECT_NE(dump.output.find(expected), std::string::npos) << expected;
  }
  EXPECT_EQ(dump.output, runTool("skinlint", "--dump " + (dir.path() / "Good").string()).output);
}

}  // namespace
}  // namespace tavra

namespace tavra {
namespace {

TEST(SkinLint, WarnsOfTextThatStandsOutTooLittleFromItsFace) {
  struct Case {
    const char* keys;  // appended to a complete skin whose texts are black on light grey
    const char* warning;  // empty: no warning about text contrast
  };
  const Case cases[] = {
      {"[BUTTON]\r\nFONTCOLOR=8421504\r\n", "[BUTTON] FONTCOLOR: contrasts"},
      {"[TABTOP]\r\nHOTCOLOR=0\r\nHOTFONTCOLOR=4210752\r\n", "[TABTOP] HOTFONTCOLOR: contrasts"},
      // The bar's open item writes MENULINE's hot text on MENUITEM's hot face.
      {"[MENUITEM]\r\nHOTCOLOR=3381759\r\nHOTFONTCOLOR=0\r\n[MENULINE]\r\nHOTFONTCOLOR=16777215\r\n",
       "[MENULINE] HOTFONTCOLOR: contrasts 2.13:1 with [MENUITEM] HOTCOLOR"},
      {"[MENUITEM]\r\nHOTCOLOR=3381759\r\nHOTFONTCOLOR=0\r\n[MENULINE]\r\nHOTCOLOR=0\r\nHOTFONTCOLOR=0\r\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    TempFolder dir;
    // Later sections of the same name are ignored: the keys go into the first ones.
    std::string options = completeOptions();
    std::string rest = c.keys;
    while (!rest.empty()) {
      const size_t end = rest.find("\r\n[", 1);
      const std::string block = rest.substr(0, end == std::string::npos ? rest.size() : end + 2);
      rest = end == std::string::npos ? std::string() : rest.substr(end + 2);
      const std::string header = block.substr(0, block.find("\r\n") + 2);
      const size_t at = options.find(header);
      ASSERT_NE(at, std::string::npos);
      options.insert(at + header.size(), block.substr(header.size()));
    }
    writeSkinFolder(dir.path() / "Skin", options);
    const ToolRun lint = runTool("skinlint", (dir.path() / "Skin").string());
    if (*c.warning) EXPECT_NE(lint.output.find(std::string("warning: ") + c.warning), std::string::npos) << lint.output;
    else EXPECT_EQ(lint.output.find("contrasts"), std::string::npos) << lint.output;
  }
}

}  // namespace
}  // namespace tavra
