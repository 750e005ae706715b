// Every archive of the built store is a well-formed web archive: a windows-1251 quoted-printable
// HTML root, base64 PNG images that the page refers to by relative paths under the root's
// location, nothing unresolved and nothing unused, and only HTML the page viewer draws.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "base/Text.h"
#include "content/ContentStore.h"
#include "content/MimeArchive.h"
#include "content/PngInfo.h"

namespace tavra::test {
namespace {

struct CheckedArchive {
  MimeArchive archive;
  std::string html;  // the root part in UTF-8
  std::string rootLocation;
};

std::string folderOf(const std::string& location) { return location.substr(0, location.rfind('/') + 1); }

std::vector<std::string> archiveNames() {
  std::vector<std::string> names;
  for (const std::string& file : expectedStoreFiles()) {
    if (file.ends_with(".mht")) names.push_back(file);
  }
  return names;
}

class StoreArchive : public testing::TestWithParam<std::string> {
 protected:
  CheckedArchive read() const {
    CheckedArchive checked;
    checked.archive = MimeArchive::read(readBytes(storeDir() / GetParam()));
    if (!checked.archive.parts.empty()) {
      const MimePart& root = checked.archive.parts.front();
      checked.html = cp1251ToUtf8(root.body);
      checked.rootLocation = root.headers.get("content-location");
    }
    return checked;
  }
};

TEST_P(StoreArchive, IsWellFormedWithAWindows1251HtmlRoot) {
  const CheckedArchive a = read();
  ASSERT_TRUE(a.archive.errors.empty()) << testing::PrintToString(a.archive.errors);
  ASSERT_FALSE(a.archive.parts.empty());
  const MimePart& root = a.archive.parts.front();
  EXPECT_EQ(root.headers.mainValue("content-type"), "text/html");
  EXPECT_EQ(root.headers.parameter("content-type", "charset"), "windows-1251");
  EXPECT_EQ(root.headers.get("content-transfer-encoding"), "quoted-printable");
  EXPECT_TRUE(std::regex_match(a.rootLocation, std::regex("file:///C:/[0-9A-F]{8}/[^/]+\\.htm")))
      << a.rootLocation;
  if (a.archive.headers.mainValue("content-type") == "multipart/related") {
    EXPECT_EQ(a.archive.headers.parameter("content-type", "type"), "text/html");
  }
  EXPECT_NE(a.html.find("charset=windows-1251"), std::string::npos);
  EXPECT_EQ(a.html.find("\xEF\xBF\xBD"), std::string::npos) << "replacement characters in the page";
  // Standards mode in every browser: the short DOCTYPE first, nothing before it.
  EXPECT_EQ(a.html.rfind("<!DOCTYPE html>", 0), 0u) << a.html.substr(0, 60);
}

TEST_P(StoreArchive, SubjectIsThePageTitle) {
  const CheckedArchive a = read();
  const std::smatch match = [&] {
    std::smatch m;
    std::regex_search(a.html, m, std::regex("<title>([^<]*)</title>"));
    return m;
  }();
  ASSERT_EQ(match.size(), 2u) << "no <title>";
  const std::string title = match[1];
  EXPECT_FALSE(title.empty());
  std::vector<std::string> errors;
  const std::string subject = cp1251ToUtf8(decodeHeaderWords(a.archive.headers.get("subject"), errors));
  EXPECT_TRUE(errors.empty()) << testing::PrintToString(errors);
  if (title.find('&') == std::string::npos) {
    EXPECT_EQ(subject, title);
  }
}

TEST_P(StoreArchive, EveryImageResolvesToAPngPartOfTheStatedSize) {
  const CheckedArchive a = read();
  std::map<std::string, const MimePart*> parts;
  for (std::size_t i = 1; i < a.archive.parts.size(); ++i) {
    const MimePart& part = a.archive.parts[i];
    EXPECT_EQ(part.headers.mainValue("content-type"), "image/png");
    EXPECT_EQ(part.headers.get("content-transfer-encoding"), "base64");
    parts[part.headers.get("content-location")] = &part;
  }
  std::set<std::string> used;
  const std::regex image("<img([^>]*)>");
  for (auto it = std::sregex_iterator(a.html.begin(), a.html.end(), image); it != std::sregex_iterator(); ++it) {
    const std::string attributes = (*it)[1];
    std::smatch src, width, height;
    ASSERT_TRUE(std::regex_search(attributes, src, std::regex("src=\"([^\"]+)\""))) << attributes;
    const std::string relative = src[1];
    EXPECT_EQ(relative.find(':'), std::string::npos) << "images are referred to by relative paths";
    const std::string location = folderOf(a.rootLocation) + relative;
    auto part = parts.find(location);
    ASSERT_NE(part, parts.end()) << "unresolved image " << relative;
    used.insert(location);
    const auto png = readPngInfo(part->second->body);
    ASSERT_TRUE(png.has_value()) << relative << " is not a PNG";
    if (std::regex_search(attributes, width, std::regex("width=\"(\\d+)\""))) {
      EXPECT_EQ(std::to_string(png->width), width[1].str()) << relative;
    }
    if (std::regex_search(attributes, height, std::regex("height=\"(\\d+)\""))) {
      EXPECT_EQ(std::to_string(png->height), height[1].str()) << relative;
    }
  }
  EXPECT_EQ(used.size(), parts.size()) << "an image part that the page does not show";
}

TEST_P(StoreArchive, UsesOnlyHtmlThePageViewerDraws) {
  const CheckedArchive a = read();
  for (const char* banned : {"justify", "cellpadding", "letter-spacing", "hspace", "vspace", "border=", "<!--",
                             "http:", "https:", "<script"}) {
    EXPECT_EQ(a.html.find(banned), std::string::npos) << "\"" << banned << "\" in " << GetParam();
  }
  EXPECT_FALSE(std::regex_search(a.html, std::regex("font-size:\\s*[0-9.]+\\s*[;}]"))) << "unitless font-size";
}

INSTANTIATE_TEST_SUITE_P(Content, StoreArchive, testing::ValuesIn(archiveNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(StoreArchives, SomePagesAreSinglePartAndFiguresLieInMultipartOnes) {
  int single = 0, withImages = 0;
  for (const std::string& name : archiveNames()) {
    const MimeArchive archive = MimeArchive::read(readBytes(storeDir() / name));
    if (archive.headers.mainValue("content-type") == "text/html") ++single;
    if (archive.parts.size() > 1) ++withImages;
  }
  EXPECT_GT(single, 0);
  EXPECT_GT(withImages, 0);
  // Each appendix page shows at least one figure.
  for (const std::string& name : archiveNames()) {
    if (!name.starts_with("pril/")) continue;
    EXPECT_GT(MimeArchive::read(readBytes(storeDir() / name)).parts.size(), 1u) << name << " has no figure";
  }
}

TEST(StoreMarks, AreTwentyFourPixelRgbaPngsThatDiffer) {
  const std::string ok = readBytes(storeDir() / "dmat/ok.png");
  const std::string no = readBytes(storeDir() / "dmat/no.png");
  for (const std::string* bytes : {&ok, &no}) {
    const auto info = readPngInfo(*bytes);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->width, 24u);
    EXPECT_EQ(info->height, 24u);
    EXPECT_EQ(info->colorType, 6) << "RGBA, transparent ground";
  }
  EXPECT_NE(ok, no);
}

}  // namespace
}  // namespace tavra::test
