// The builder's transfer encodings, checked by decoding with the tests' own strict reader.
#include <gtest/gtest.h>

#include <random>

#include "content/MimeArchive.h"
#include "contentbuild/Cp1251Html.h"
#include "contentbuild/MhtmlWriter.h"
#include "contentbuild/TransferEncoding.h"

namespace tavra::test {
namespace {

using namespace tavra::content;

std::string withCrlf(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) out += '\r';
    out += text[i];
  }
  return out;
}

TEST(QuotedPrintable, RoundTripsTrickyLines) {
  const std::string cases[] = {
      "",
      "plain ascii",
      "a=b==c",
      "blank at end \nand tab at end\t\nnext",
      std::string(200, 'x'),
      std::string(75, 'y') + "=",
      std::string(74, 'z') + "\xE9\xE9",
      "\xC0\xC1\xC2 \xFF\x80\n\xE0\r\nCRLF kept",
      "ends with a break\n",
      "\x01\x1F control bytes",
  };
  for (const std::string& input : cases) {
    const std::string encoded = encodeQuotedPrintable(input);
    std::vector<std::string> errors;
    EXPECT_EQ(decodeQuotedPrintable(encoded, errors), withCrlf(input)) << input;
    EXPECT_TRUE(errors.empty()) << input << ": " << testing::PrintToString(errors);
  }
}

TEST(Base64, RoundTripsEveryTailLength) {
  std::mt19937 random(7);
  for (std::size_t size : {0, 1, 2, 3, 4, 5, 56, 57, 58, 1000}) {
    std::string bytes(size, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    std::vector<std::string> errors;
    EXPECT_EQ(decodeBase64(encodeBase64Lines(bytes), errors), bytes) << size;
    EXPECT_TRUE(errors.empty()) << size << ": " << testing::PrintToString(errors);
  }
}

TEST(HeaderWords, LongTitlesSplitIntoShortWords) {
  const std::string title(150, '\xE0');
  const std::string encoded = encodeHeaderWords(title, "windows-1251");
  EXPECT_NE(encoded.find("\r\n\t"), std::string::npos);
  std::vector<std::string> errors;
  std::string unfolded;
  for (char c : encoded) {
    if (c != '\r' && c != '\n') unfolded += c;
  }
  EXPECT_EQ(decodeHeaderWords(unfolded, errors), title);
  EXPECT_TRUE(errors.empty()) << testing::PrintToString(errors);
}

TEST(Cp1251Html, KeepsCyrillicAndWritesReferencesForTheRest) {
  EXPECT_EQ(htmlToCp1251("Ряд ∑ и ∂u ≤ π, «ё»"),
            "\xD0\xFF\xE4 &#8721; \xE8 &#8706;u &#8804; &#960;, \xAB\xB8\xBB");
}

TEST(MhtmlWriter, MultipartArchiveReadsBack) {
  ArchivePage page{.name = "pril/3.1.mht",
                   .titleCp1251 = "\xD1\xF2\xF0\xF3\xED\xE0",
                   .htmlCp1251 = "<html><body><img src=\"3.1_files/image001.png\"></body></html>\n",
                   .resources = {{"3.1_files/image001.png", "image/png", std::string("\x89PNG\r\n\x1A\n\0\1", 10)}},
                   .layout = ArchiveLayout::Multipart};
  const MimeArchive archive = MimeArchive::read(MhtmlWriter::write(page));
  ASSERT_TRUE(archive.errors.empty()) << testing::PrintToString(archive.errors);
  ASSERT_EQ(archive.parts.size(), 2u);
  EXPECT_EQ(archive.parts[0].body, withCrlf(page.htmlCp1251));
  EXPECT_EQ(archive.parts[1].body, page.resources[0].bytes);
  const std::string root = MhtmlWriter::rootLocation("pril/3.1.mht");
  EXPECT_EQ(archive.parts[0].headers.get("content-location"), root);
  EXPECT_EQ(archive.parts[1].headers.get("content-location"),
            root.substr(0, root.rfind('/') + 1) + "3.1_files/image001.png");
}

TEST(MhtmlWriter, SinglePartArchiveIsOneHtmlEntity) {
  ArchivePage page{.name = "vop/g1.mht", .titleCp1251 = "q", .htmlCp1251 = "<p>=</p>", .resources = {}, .layout = ArchiveLayout::SinglePart};
  const MimeArchive archive = MimeArchive::read(MhtmlWriter::write(page));
  ASSERT_TRUE(archive.errors.empty()) << testing::PrintToString(archive.errors);
  ASSERT_EQ(archive.parts.size(), 1u);
  EXPECT_EQ(archive.parts[0].body.substr(0, 8), "<p>=</p>");
  page.resources.push_back({"x.png", "image/png", "x"});
  EXPECT_THROW(MhtmlWriter::write(page), std::invalid_argument);
}

TEST(MimeArchiveReader, ReportsDamage) {
  const struct {
    std::string bytes;
    const char* error;
  } cases[] = {
      {"MIME-Version: 1.0\r\nContent-Type: text/html\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n=ZZ", "malformed"},
      {"MIME-Version: 1.0\r\nContent-Type: text/html\r\nContent-Transfer-Encoding: quoted-printable\r\n\r\n\xE9", "unencoded byte"},
      {"MIME-Version: 1.0\r\nContent-Type: multipart/related; boundary=\"b\"\r\n\r\n--b\r\nContent-Type: image/png\r\n"
       "Content-Transfer-Encoding: base64\r\n\r\nAAAA\r\n", "not closed"},
      {"MIME-Version: 1.0\nContent-Type: text/html\r\nContent-Transfer-Encoding: base64\r\n\r\n", "bare LF"},
      {"Content-Type: text/html\r\n\r\n", "MIME-Version"},
  };
  for (const auto& c : cases) {
    const MimeArchive archive = MimeArchive::read(c.bytes);
    const std::string all = testing::PrintToString(archive.errors);
    EXPECT_NE(all.find(c.error), std::string::npos) << c.bytes << " -> " << all;
  }
}

}  // namespace
}  // namespace tavra::test
