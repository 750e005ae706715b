// The skin generator, run as the built tool on descriptions of the repository and on small
// faulty ones: the same description always gives the same files, the skin it draws passes the
// strict check, and a faulty description is refused with its line.
#include <gtest/gtest.h>

#include "ToolRun.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace tavra {
namespace {

namespace fs = std::filesystem;

using test::runTool;
using test::ToolRun;

std::string quoted(const fs::path& p) { return "'" + p.string() + "'"; }

class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("tavra-skingen-" + std::to_string(std::random_device{}()))) { fs::create_directories(path_); }
  ~Folder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

std::map<std::string, std::string> filesOf(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::ifstream in(entry.path(), std::ios::binary);
    files[entry.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
  }
  return files;
}

const fs::path kSources = fs::path(TAVRA_SOURCE_DIR) / "skins" / "sources";

// Descriptions that between them use every texture form, both mask kinds, PNG glyphs, glows,
// the "#" form and the rounded window shape.
const std::vector<std::string> kVaried = {"36-rhombus.skin", "16-heroesstyle.skin", "03-bluegauze.skin", "11-desert.skin",
                                          "44-vista.skin", "07-calcium.skin", "41-terminal4bit.skin"};

TEST(SkinGen, TheSameDescriptionGivesTheSameFilesAndASkinThatPassesTheStrictCheck) {
  Folder folder;
  for (const std::string& name : kVaried) {
    SCOPED_TRACE(name);
    const fs::path first = folder.path() / "first", second = folder.path() / "second";
    ASSERT_EQ(runTool("skingen", quoted(kSources / name) + " " + quoted(first)).status, 0);
    ASSERT_EQ(runTool("skingen", quoted(kSources / name) + " " + quoted(second)).status, 0);
    const auto a = filesOf(first), b = filesOf(second);
    EXPECT_EQ(a, b);
    ASSERT_TRUE(a.count("Options.dat") && a.count("Master.bmp") && a.count("ButtonHuge.bmp"));
    const ToolRun lint = runTool("skinlint", "--strict " + quoted(first));
    EXPECT_EQ(lint.status, 0) << lint.output;
    EXPECT_NE(lint.output.find(": 0 warnings"), std::string::npos) << lint.output;
    fs::remove_all(first);
    fs::remove_all(second);
  }
}

TEST(SkinGen, DrawsWhatTheDescriptionAsksFor) {
  Folder folder;
  const fs::path out = folder.path() / "skin";
  // A JPEG background of at least 90000 pixels for the patterned skin, PNG caption buttons and a
  // glow halo for the glass one, a BMP texture for the gauze.
  ASSERT_EQ(runTool("skingen", quoted(kSources / "16-heroesstyle.skin") + " " + quoted(out)).status, 0);
  auto files = filesOf(out);
  EXPECT_TRUE(files.count("FORM.JPG") && files.count("PANEL.JPG"));
  EXPECT_NE(files.at("Options.dat").find("PATTERN=FORM.JPG\r\n"), std::string::npos);
  ASSERT_EQ(runTool("skingen", quoted(kSources / "44-vista.skin") + " " + quoted(out)).status, 0);
  files = filesOf(out);
  EXPECT_TRUE(files.count("CLOSE.PNG") && files.count("CLOSEGLOW.PNG"));
  EXPECT_FALSE(files.count("FORM.JPG")) << "the folder is emptied first";
  EXPECT_NE(files.at("Options.dat").find("BICONCLOSE=!CLOSE.PNG!3!0!2\r\n"), std::string::npos);
  EXPECT_NE(files.at("Options.dat").find("BICONCLOSEGLOW=1\r\n"), std::string::npos);
  ASSERT_EQ(runTool("skingen", quoted(kSources / "03-bluegauze.skin") + " " + quoted(out)).status, 0);
  files = filesOf(out);
  EXPECT_NE(files.at("Options.dat").find("PATTERN=!PANEL.BMP!1!0!1\r\n"), std::string::npos);
  EXPECT_EQ(files.at("PANEL.BMP").substr(0, 2), "BM");
}

TEST(SkinGen, RefusesAFaultyDescriptionNamingItsLine) {
  Folder folder;
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"name: A\nwindow: #FFFFFF\nface: #FFFFFF\nframe: #000000\ntext: #000000\naccent: #FF0000\nmaterial: velvet\n", ":7: \"velvet\" is not a material"},
      {"name: A\nwindow: #FFFFFF\nface: #FFFFFF\nframe: #000000\ntext: #000000\naccent: #FF000\n", ":6: unknown key \"accent\" or a colour"},
      {"name: A\nwindow: #FFFFFF\nface: #FFFFFF\nframe: #000000\ntext: #000000\n", "the colour \"accent\" is required"},
      {"window: #FFFFFF\n", "no name"},
      {"name: A\nradius: 12\n", ":2: \"12\" is not a radius 0 to 8"},
      {"name: A\nthis line has no colon\n", ":2: expected \"key: value\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const fs::path description = folder.path() / "bad.skin";
    std::ofstream(description) << c.text;
    const ToolRun run = runTool("skingen", quoted(description) + " " + quoted(folder.path() / "out"));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
    EXPECT_FALSE(fs::exists(folder.path() / "out"));
  }
}

}  // namespace
}  // namespace tavra
