// Decoding archives: a table of small archives, each with its exact page and parts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/mhtml/MhtmlArchive.h"

namespace tavra {
namespace {

struct ExpectedPart {
  std::string location;
  std::string contentId;
  std::string contentType;
  std::string data;
};

struct Lookup {
  std::string reference;
  int part;  // index into the expected parts, -1 for none
};

struct ArchiveCase {
  const char* name;
  std::string archive;
  std::string html;
  std::string baseUrl;
  std::vector<ExpectedPart> parts;
  std::vector<Lookup> lookups;
};

// "Привет" in windows-1251 and in UTF-8.
const std::string kPrivetCp1251QP = "=CF=F0=E8=E2=E5=F2";
const std::string kPrivet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";
// The eight bytes of a PNG signature, and their base64 form.
const std::string kPngSignature = std::string("\x89PNG\r\n\x1A\n", 8);

std::vector<ArchiveCase> archiveCases() {
  return {
      {"QuotedPrintableWindows1251",
       "From: <Saved by a browser>\r\n"
       "Subject: page\r\n"
       "MIME-Version: 1.0\r\n"
       "Content-Type: multipart/related;\r\n"
       "\tboundary=\"----=_NextPart_000_0000\";\r\n"
       "\ttype=\"text/html\"\r\n"
       "\r\n"
       "This is a multi-part message in MIME format.\r\n"
       "\r\n"
       "------=_NextPart_000_0000\r\n"
       "Content-Type: text/html;\r\n"
       "\tcharset=\"windows-1251\"\r\n"
       "Content-Transfer-Encoding: quoted-printable\r\n"
       "Content-Location: file:///C:/D4F3A1B2/test.htm\r\n"
       "\r\n"
       "<p class=3DMsoNormal>" + kPrivetCp1251QP + " =cf=f0=\r\n"
       "=E8=E2=\n"
       "=E5=F2   \r\n"
       "end</p>\r\n"
       "------=_NextPart_000_0000\r\n"
       "Content-Type: image/png\r\n"
       "Content-Transfer-Encoding: base64\r\n"
       "Content-Location: file:///C:/D4F3A1B2/test_files/image001.png\r\n"
       "\r\n"
       "iVBORw0K\r\n"
       "Ggo=\r\n"
       "\r\n"
       "------=_NextPart_000_0000--\r\n"
       "epilogue\r\n",
       "<p class=MsoNormal>" + kPrivet + " " + kPrivet + "\r\nend</p>",
       "file:///C:/D4F3A1B2/test.htm",
       {{"file:///C:/D4F3A1B2/test_files/image001.png", "", "image/png", kPngSignature}},
       {{"test_files/image001.png", 0},
        {"TEST_FILES/Image001.PNG", 0},
        {"test_files/image%30%301.png", 0},
        {"file:///c:/d4f3a1b2/test_files/image001.png", 0},
        {"test_files\\image001.png", 0},
        {"./sub/../test_files/image001.png#frag", 0},
        {"test_files/image002.png", -1},
        {"http://example.invalid/test_files/image001.png", -1}}},

      {"Base64Utf8WithCidImage",
       "MIME-Version: 1.0\n"
       "Content-Type: multipart/related; boundary=BOUND; type=\"text/html\"\n"
       "\n"
       "--BOUND\n"
       "Content-Type: text/html; charset=utf-8\n"
       "Content-Transfer-Encoding: base64\n"
       "\n"
       "PGI+0J/RgNC40LLQ\n"
       "tdGCPC9iPjxpbWcgc3JjPSJjaWQ6aW1n\n"
       "QHgiPg==\n"
       "--BOUND\n"
       "Content-Type: image/gif\n"
       "Content-Transfer-Encoding: base64\n"
       "Content-ID: <img@x>\n"
       "\n"
       "R0lG ODlh\n"
       "--BOUND--\n",
       "<b>" + kPrivet + "</b><img src=\"cid:img@x\">",
       "",
       {{"", "img@x", "image/gif", "GIF89a"}},
       {{"cid:img@x", 0}, {"cid:%3Cimg@x%3E", 0}, {"CID:IMG@X", 0}, {"cid:other@x", -1}}},

      {"EightBitRelativeLocationsAgainstMultipartBase",
       "Content-Type: multipart/related; boundary=b1\r\n"
       "Content-Location: http://example.invalid/course/\r\n"
       "\r\n"
       "--b1\r\n"
       "Content-Type: text/html; charset=utf-8\r\n"
       "Content-Transfer-Encoding: 8bit\r\n"
       "Content-Location: pages/p.htm\r\n"
       "\r\n"
       "<p>" + kPrivet + "=41</p>\r\n"
       "--b1\r\n"
       "Content-Type: text/css\r\n"
       "Content-Transfer-Encoding: 7bit\r\n"
       "Content-Location: style/a%20b.css\r\n"
       "\r\n"
       "p { color: red }\r\n"
       "--b1--\r\n",
       "<p>" + kPrivet + "=41</p>",
       "http://example.invalid/course/pages/p.htm",
       {{"http://example.invalid/course/style/a%20b.css", "", "text/css", "p { color: red }"}},
       {{"../style/a b.css", 0}, {"/course/style/a%20b.css", 0}, {"../STYLE/a%20b.css", -1}}},

      {"StartParameterPicksRoot",
       "Content-Type: multipart/related; boundary=x; start=\"<root@id>\"\r\n"
       "\r\n"
       "--x\r\n"
       "Content-Type: text/plain\r\n"
       "Content-Location: notes.txt\r\n"
       "\r\n"
       "notes\r\n"
       "--x\r\n"
       "Content-Type: text/html\r\n"
       "Content-ID: <ROOT@id>\r\n"
       "\r\n"
       "<p>root</p>\r\n"
       "--x--\r\n",
       "<p>root</p>",
       "",
       {{"notes.txt", "", "text/plain", "notes"}},
       {{"notes.txt", 0}, {"NOTES.TXT", 0}}},

      {"UsAsciiDeclaredMetaSplitBySoftBreak",
       "Content-Type: multipart/related; boundary=\"q\"\r\n"
       "\r\n"
       "--q\r\n"
       "Content-Type: text/html; charset=\"us-ascii\"\r\n"
       "Content-Transfer-Encoding: quoted-printable\r\n"
       "\r\n"
       "<meta http-equiv=3DContent-Type content=3D\"text/html; charset=3Dwindo=\r\n"
       "ws-1251\"><p>" + kPrivetCp1251QP + "</p>\r\n"
       "--q--\r\n",
       "<meta http-equiv=Content-Type content=\"text/html; charset=windows-1251\"><p>" + kPrivet + "</p>",
       "",
       {},
       {}},

      {"Utf8ByteOrderMarkWithoutCharset",
       "Content-Type: multipart/related; boundary=q\r\n"
       "\r\n"
       "--q\r\n"
       "Content-Type: text/html\r\n"
       "Content-Transfer-Encoding: quoted-printable\r\n"
       "\r\n"
       "=EF=BB=BF<p>=D0=9F=D1=80=D0=B8=D0=B2=D0=B5=D1=82</p>\r\n"
       "--q--\r\n",
       "<p>" + kPrivet + "</p>",
       "",
       {},
       {}},

      {"MetaCharsetWhenPartHasNone",
       "Content-Type: text/html\r\n"
       "Content-Location: file:///D:/kurs/Priv.htm\r\n"
       "\r\n"
       "<meta charset='koi8-r'><p>\xF0\xD2\xC9\xD7\xC5\xD4</p>",
       "<meta charset='koi8-r'><p>" + kPrivet + "</p>",
       "file:///D:/kurs/Priv.htm",
       {},
       {}},

      {"SinglePartHtmlFile",
       "From: <Saved by Windows Internet Explorer 8>\r\n"
       "Subject: one\r\n"
       "MIME-Version: 1.0\r\n"
       "Content-Type: text/html;\r\n"
       " charset=\"windows-1251\"\r\n"
       "Content-Transfer-Encoding: quoted-printable\r\n"
       "\r\n"
       "<html><body>" + kPrivetCp1251QP + "</body></html>",
       "<html><body>" + kPrivet + "</body></html>",
       "",
       {},
       {}},

      {"PlainHtmlWithoutHeaders",
       "<html><body><p>plain: 1</p></body></html>\n",
       "<html><body><p>plain: 1</p></body></html>\n",
       "",
       {},
       {}},

      {"MissingBoundaryIsFoundInTheBody",
       "Content-Type: multipart/related; type=\"text/html\"\r\n"
       "\r\n"
       "preamble\r\n"
       "--=_guess\r\n"
       "Content-Type: text/html; charset=utf-8\r\n"
       "\r\n"
       "<p>found</p>\r\n"
       "--=_guess\r\n"
       "Content-Type: image/png\r\n"
       "Content-Location: a.png\r\n"
       "\r\n"
       "PNGDATA\r\n"
       "--=_guess--\r\n",
       "<p>found</p>",
       "",
       {{"a.png", "", "image/png", "PNGDATA"}},
       {{"a.png", 0}}},

      {"TruncatedPartKeepsWhatArrived",
       "Content-Type: multipart/related; boundary=t\r\n"
       "\r\n"
       "--t\r\n"
       "Content-Type: text/html\r\n"
       "\r\n"
       "<p>page</p>\r\n"
       "--t\r\n"
       "Content-Type: image/png\r\n"
       "Content-Transfer-Encoding: base64\r\n"
       "Content-Location: cut.png\r\n"
       "\r\n"
       "iVBORw0KGgoAAAANSUhE",
       "<p>page</p>",
       "",
       {{"cut.png", "", "image/png", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHD", 15)}},
       {{"cut.png", 0}}},

      {"PartCutInItsHeaders",
       "Content-Type: multipart/related; boundary=t\r\n"
       "\r\n"
       "--t\r\n"
       "Content-Type: text/html\r\n"
       "\r\n"
       "<p>page</p>\r\n"
       "--t\r\n"
       "Content-Type: image/png\r\n"
       "Content-Locat",
       "<p>page</p>",
       "",
       {{"", "", "image/png", ""}},
       {}},

      {"InvalidBase64AndQuotedPrintable",
       "Content-Type: multipart/related; boundary=j\r\n"
       "\r\n"
       "--j\r\n"
       "Content-Type: text/html; charset=utf-8\r\n"
       "Content-Transfer-Encoding: Quoted-Printable\r\n"
       "\r\n"
       "a=ZZb=3dc=4\r\n"
       "1 =  \r\n"
       "2 = 3=\r\n"
       "--j\r\n"
       "Content-Type: application/octet-stream\r\n"
       "Content-Transfer-Encoding: BASE64\r\n"
       "Content-Location: junk.bin\r\n"
       "\r\n"
       "QU!!J@D\x01R*E\r\n"
       "=Rg==\r\n"
       "Q\r\n"
       "--j--\r\n",
       "a=ZZb=c=4\r\n1 2 = 3",
       "",
       {{"junk.bin", "", "application/octet-stream", "ABCDF"}},
       {{"junk.bin", 0}}},

      {"NestedAlternativeAndEncodedLocation",
       "Content-Type: multipart/related; boundary=outer\r\n"
       "\r\n"
       "--outer\r\n"
       "Content-Type: multipart/alternative; boundary=inner\r\n"
       "\r\n"
       "--inner\r\n"
       "Content-Type: text/plain\r\n"
       "\r\n"
       "plain\r\n"
       "--inner\r\n"
       "Content-Type: text/html; charset=utf-8\r\n"
       "Content-Location: file:///C:/kurs/\r\n"
       " page.htm\r\n"
       "\r\n"
       "<p>rich</p>\r\n"
       "--inner--\r\n"
       "--outer\r\n"
       "Content-Type: image/jpeg\r\n"
       "Content-Location: =?windows-1251?Q?=F0=E8=F1.jpg?=\r\n"
       "\r\n"
       "JPEG\r\n"
       "--outer--\r\n",
       "<p>rich</p>",
       "file:///C:/kurs/page.htm",
       {{"", "", "text/plain", "plain"},
        {"\xD1\x80\xD0\xB8\xD1\x81.jpg", "", "image/jpeg", "JPEG"}},
       {{"%D1%80%D0%B8%D1%81.jpg", 1}, {"\xD1\x80\xD0\xB8\xD1\x81.jpg", 1}, {"\xD0\xA0\xD0\x98\xD0\xA1.JPG", 1}}},

      {"BoundaryPrefixOfAnotherLineIsNotADelimiter",
       "Content-Type: multipart/related; boundary=ab\r\n"
       "\r\n"
       "--ab\r\n"
       "Content-Type: text/html\r\n"
       "\r\n"
       "<p>x</p>\r\n"
       "--abc\r\n"
       "text --ab\r\n"
       "--ab--",
       "<p>x</p>\r\n--abc\r\ntext --ab",
       "",
       {},
       {}},
  };
}

class ArchiveDecoding : public testing::TestWithParam<ArchiveCase> {};

TEST_P(ArchiveDecoding, PageAndPartsAreExact) {
  const ArchiveCase& c = GetParam();
  auto archive = MhtmlArchive::decode(c.archive);
  ASSERT_TRUE(archive.ok()) << archive.error();
  EXPECT_EQ(archive->html(), c.html);
  EXPECT_EQ(archive->baseUrl(), c.baseUrl);
  ASSERT_EQ(archive->resources().size(), c.parts.size());
  for (size_t i = 0; i < c.parts.size(); ++i) {
    const MhtmlResource& got = archive->resources()[i];
    EXPECT_EQ(got.location, c.parts[i].location) << "part " << i;
    EXPECT_EQ(got.contentId, c.parts[i].contentId) << "part " << i;
    EXPECT_EQ(got.contentType, c.parts[i].contentType) << "part " << i;
    EXPECT_EQ(got.data, c.parts[i].data) << "part " << i;
  }
  for (const Lookup& l : c.lookups) {
    const MhtmlResource* found = archive->find(l.reference);
    const MhtmlResource* expected = l.part < 0 ? nullptr : &archive->resources()[static_cast<size_t>(l.part)];
    EXPECT_EQ(found, expected) << "reference " << l.reference;
  }
}

INSTANTIATE_TEST_SUITE_P(Mhtml, ArchiveDecoding, testing::ValuesIn(archiveCases()),
                         [](const testing::TestParamInfo<ArchiveCase>& info) { return std::string(info.param.name); });

TEST(MhtmlArchive, RelativeLocationsFallBackToTheArchiveFile) {
  // Without any location in the archive, the page's base is the file itself.
  std::string text =
      "Content-Type: multipart/related; boundary=z\r\n\r\n"
      "--z\r\nContent-Type: text/html\r\n\r\n<img src=\"img/a.png\">\r\n"
      "--z\r\nContent-Type: image/png\r\nContent-Location: img/a.png\r\n\r\nA\r\n--z--\r\n";
  auto archive = MhtmlArchive::decode(text, "file:///home/u/mat/priv.mht");
  ASSERT_TRUE(archive.ok());
  EXPECT_EQ(archive->baseUrl(), "file:///home/u/mat/priv.mht");
  ASSERT_EQ(archive->resources().size(), 1u);
  EXPECT_EQ(archive->resources()[0].location, "file:///home/u/mat/img/a.png");
  EXPECT_EQ(archive->find("img/a.png"), &archive->resources()[0]);
  EXPECT_EQ(archive->find("IMG/A.PNG", "file:///home/u/mat/other.htm"), &archive->resources()[0]);
}

TEST(MhtmlArchive, HardFailures) {
  EXPECT_FALSE(MhtmlArchive::decode("").ok());
  // Nothing that can be shown.
  auto binary = MhtmlArchive::decode(
      "Content-Type: multipart/related; boundary=z\r\n\r\n"
      "--z\r\nContent-Type: application/x-thing\r\n\r\n\x01\x02\r\n--z--\r\n");
  EXPECT_FALSE(binary.ok());
  std::string huge(MhtmlArchive::kMaxArchiveBytes + 1, 'a');
  auto tooLarge = MhtmlArchive::decode(huge);
  ASSERT_FALSE(tooLarge.ok());
  EXPECT_NE(tooLarge.error().find("too large"), std::string::npos);
  auto missing = MhtmlArchive::load("/nonexistent/dir/page.mht");
  EXPECT_FALSE(missing.ok());
}

TEST(MhtmlArchive, LimitsHoldOnHostileStructure) {
  // Deep nesting stops at the limit; many parts stop at the part limit.
  std::string nested;
  for (int i = 0; i < 40; ++i) nested += "Content-Type: multipart/related; boundary=n" + std::to_string(i) + "\r\n\r\n--n" + std::to_string(i) + "\r\n";
  nested += "Content-Type: text/html\r\n\r\n<p>deep</p>";
  auto deep = MhtmlArchive::decode(nested);
  EXPECT_FALSE(deep.ok());  // the page lies below the depth limit and is not reached

  std::string many = "Content-Type: multipart/related; boundary=m\r\n\r\n--m\r\nContent-Type: text/html\r\n\r\n<p>first</p>\r\n";
  for (size_t i = 0; i < MhtmlArchive::kMaxParts + 100; ++i) many += "--m\r\nContent-Location: p" + std::to_string(i) + "\r\n\r\nx\r\n";
  auto manyParts = MhtmlArchive::decode(many);
  ASSERT_TRUE(manyParts.ok());
  EXPECT_EQ(manyParts->html(), "<p>first</p>");
  EXPECT_EQ(manyParts->resources().size(), MhtmlArchive::kMaxParts - 1);
}

}  // namespace
}  // namespace tavra
