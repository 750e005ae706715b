// The text of every skin stands out from what it is drawn on: the generator is run on the 51
// descriptions of the repository and on small ones that once gave illegible text, and the
// colours it writes are measured by their contrast ratio.
#include <gtest/gtest.h>

#include "ToolRun.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace tavra {
namespace {

namespace fs = std::filesystem;

using test::runTool;

class Folder {
 public:
  Folder() : path_(fs::temp_directory_path() / ("tavra-legibility-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~Folder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// "Options.dat" as sections of keys, with the keys a section inherits from its PARENTCLASS.
class Options {
 public:
  explicit Options(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string line, current;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (line.size() > 2 && line.front() == '[' && line.back() == ']') current = line.substr(1, line.size() - 2);
      else if (const size_t eq = line.find('='); eq != std::string::npos && !current.empty())
        sections_[current][line.substr(0, eq)] = line.substr(eq + 1);
    }
  }
  std::optional<std::string> value(std::string section, const std::string& key) const {
    for (int depth = 0; depth < 8; ++depth) {
      auto s = sections_.find(section);
      if (s == sections_.end()) return std::nullopt;
      if (auto k = s->second.find(key); k != s->second.end()) return k->second;
      auto parent = s->second.find("PARENTCLASS");
      if (parent == s->second.end()) return std::nullopt;
      section = parent->second;
    }
    return std::nullopt;
  }
  std::optional<std::uint32_t> colour(const std::string& section, const std::string& key) const {
    auto v = value(section, key);
    if (!v || v->empty()) return std::nullopt;
    return static_cast<std::uint32_t>(std::stoul(*v));
  }

 private:
  std::map<std::string, std::map<std::string, std::string>> sections_;
};

// Contrast ratio of two 0x00BBGGRR colours, 1 to 21.
double contrast(std::uint32_t a, std::uint32_t b) {
  auto luminance = [](std::uint32_t c) {
    auto linear = [](double v) { v /= 255.0; return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c & 0xFF) + 0.7152 * linear((c >> 8) & 0xFF) + 0.0722 * linear((c >> 16) & 0xFF);
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Sections whose text a student reads (the tree is an EDIT, group-box captions are TABBOTTOM),
// with the state whose colours are painted (the hot state of a caption is the active window; a
// menu item shows its text in the hot state when selected).
struct Reading {
  const char* section;
  bool hot;
};
constexpr Reading kReadings[] = {{"BUTTON", false},    {"BUTTON", true},    {"EDIT", false},        {"PANEL", false},
                                 {"BAR", false},       {"GROUPBOX", false}, {"TABTOP", false},      {"TABTOP", true},
                                 {"TABBOTTOM", false}, {"PAGECONTROL", false}, {"HINT", false},     {"MENUITEM", true},
                                 {"MENULINE", false},  {"FORMTITLE", false}, {"FORMTITLE", true},   {"SCROLLBTNTOP", false}};

// The failures of one generated skin, one per line.
std::string illegibleText(const Options& o) {
  std::ostringstream out;
  for (const Reading& r : kReadings) {
    const auto back = o.colour(r.section, r.hot ? "HOTCOLOR" : "COLOR");
    const auto ink = o.colour(r.section, r.hot ? "HOTFONTCOLOR" : "FONTCOLOR");
    if (!back || !ink) {
      out << r.section << (r.hot ? " (hot)" : "") << ": no colours\n";
      continue;
    }
    // A drop shadow of the opposite tone carries title text that is a little weak on its own.
    const bool shadowed = o.value(r.section, r.hot ? "HOTTCRIGHT" : "TCRIGHT").has_value();
    const double needed = shadowed ? 2.0 : 3.5;
    if (contrast(*back, *ink) < needed) out << r.section << (r.hot ? " (hot)" : "") << ": contrast " << contrast(*back, *ink) << "\n";
  }
  // Effect labels draw their text inside the skin's first shadow, the halo: black text of their
  // own (testing window), or the skin's ink TCLEFT (white without it), some with a white glow of
  // their own (About). Without a halo they glow black. So: a light halo and a dark ink.
  const auto halo = o.colour("GLOBALINFO", "SHADOW1COLOR");
  const auto labelInk = o.colour("GLOBALINFO", "TCLEFT");
  if (o.value("GLOBALINFO", "SHADOW1BLUR").value_or("-1") == "-1") out << "GLOBALINFO: no label halo\n";
  if (!halo || contrast(*halo, 0) < 7.0) out << "GLOBALINFO: the label halo is dark\n";
  if (!labelInk) {
    out << "GLOBALINFO: no label ink (TCLEFT)\n";
  } else if ((halo && contrast(*labelInk, *halo) < 4.5) || contrast(*labelInk, 0xFFFFFF) < 4.5) {
    out << "GLOBALINFO: the label ink is light\n";
  }
  return out.str();
}

std::string generated(const fs::path& description, const fs::path& out) {
  const test::ToolRun run = runTool("skingen", "'" + description.string() + "' '" + out.string() + "'");
  return run.status == 0 ? std::string() : run.output;
}

TEST(SkinLegibility, EverySkinOfTheRepositoryHasLegibleText) {
  Folder folder;
  int skins = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(TAVRA_SOURCE_DIR) / "skins" / "sources")) {
    if (entry.path().extension() != ".skin") continue;
    SCOPED_TRACE(entry.path().filename().string());
    const fs::path out = folder.path() / entry.path().stem();
    ASSERT_EQ(generated(entry.path(), out), "");
    EXPECT_EQ(illegibleText(Options(out / "Options.dat")), "");
    fs::remove_all(out);
    ++skins;
  }
  EXPECT_EQ(skins, 51);
}

TEST(SkinLegibility, TextColoursThatWouldVanishGiveWayToLegibleOnes) {
  // Each description names colours that read badly together: cream text on amber buttons of a
  // dark skin with a label shadow, white title text on a pale caption, pale text on pale buttons.
  const char* cases[] = {
      "name: T\nwindow: #2E2118\nface: #D98A1E\nhot: #F0A63A\nframe: #1C130C\ntext: #F6DDB8\naccent: #FFB03A\nshadow: 1\nmaterial: glass\n",
      "name: T\nwindow: #F4F8FC\nface: #FFFFFF\nframe: #A8C8EC\ntitle-text: #FFFFFF\ntext: #203040\naccent: #80B0E0\n",
      "name: T\nwindow: #E0E0E0\nface: #F0F0F0\nframe: #808080\ntext: #C8C8C8\naccent: #D0D0D0\nhint: #FFFFE0\n",
  };
  Folder folder;
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    const fs::path description = folder.path() / "case.skin";
    std::ofstream(description) << text;
    const fs::path out = folder.path() / "out";
    ASSERT_EQ(generated(description, out), "");
    EXPECT_EQ(illegibleText(Options(out / "Options.dat")), "");
    fs::remove_all(out);
  }
}

}  // namespace
}  // namespace tavra
