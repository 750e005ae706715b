// Resolving references and the keys archive parts are matched by.
#include <gtest/gtest.h>

#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

struct ResolveCase {
  const char* base;
  const char* reference;
  const char* expected;
};

TEST(Url, ResolvesLikeABrowser) {
  const ResolveCase cases[] = {
      {"file:///C:/D4F3A1B2/test.htm", "test_files/image001.png", "file:///C:/D4F3A1B2/test_files/image001.png"},
      {"file:///C:/D4F3A1B2/test.htm", "../a/./b/../c.png", "file:///C:/a/c.png"},
      {"file:///C:/D4F3A1B2/test.htm", "#part2", "file:///C:/D4F3A1B2/test.htm#part2"},
      {"file:///C:/D4F3A1B2/test.htm#old", "", "file:///C:/D4F3A1B2/test.htm"},
      {"file:///C:/kurs/a.htm", "sub\\pic.gif", "file:///C:/kurs/sub/pic.gif"},
      {"file:///C:/kurs/a.htm", "C:\\other\\b.htm", "file:///C:/other/b.htm"},
      {"file:///C:/kurs/a.htm", "cid:image001.png@01D2", "cid:image001.png@01D2"},
      {"http://host.invalid/a/b/c.htm", "/x/y.png?q=1#f", "http://host.invalid/x/y.png?q=1#f"},
      {"http://host.invalid/a/b/c.htm", "//other.invalid/z", "http://other.invalid/z"},
      {"http://host.invalid/a/b/c.htm", "?page=2", "http://host.invalid/a/b/c.htm?page=2"},
      {"http://host.invalid", "x.htm", "http://host.invalid/x.htm"},
      {"pages/p.htm", "../img/a.png", "img/a.png"},
      {"p.htm", "../../a.png", "../../a.png"},
      {"", "  a b.htm\n", "a b.htm"},
      {"cid:root@x", "pic.png", "pic.png"},
      {"file:///home/u/mat/priv.mht", "mailto:someone@example.invalid", "mailto:someone@example.invalid"},
  };
  for (const ResolveCase& c : cases) {
    EXPECT_EQ(resolveUrl(c.base, c.reference), c.expected) << c.base << " + " << c.reference;
  }
}

TEST(Url, MatchKeys) {
  EXPECT_EQ(urlMatchKey("file:///C:/Kurs/%D0%B0.png#x"), "FILE:///C:/KURS/\xD0\x90.PNG");
  EXPECT_EQ(urlMatchKey("file://localhost/c:\\kurs\\a.png"), "FILE:///C:/KURS/A.PNG");
  EXPECT_EQ(urlMatchKey("cid:%3CAbC@x%3E"), "cid:abc@x");
  EXPECT_EQ(urlMatchKey("HTTP://Host.invalid/A%20B"), "http://Host.invalid/A B");
  EXPECT_EQ(percentDecode("a%2"), "a%2");
  EXPECT_EQ(percentDecode("%zz%41"), "%zzA");
}

TEST(Url, FileUrlsAndPaths) {
  EXPECT_EQ(fileUrlFromPath("/home/u/mat/a b#1.mht"), "file:///home/u/mat/a%20b%231.mht");
  EXPECT_EQ(pathFromFileUrl("file:///home/u/mat/a%20b%231.mht"), "/home/u/mat/a b#1.mht");
  EXPECT_EQ(pathFromFileUrl("file:///home/u/x.mht#anchor"), "/home/u/x.mht");
  EXPECT_EQ(pathFromFileUrl("file://localhost/tmp/x"), "/tmp/x");
  EXPECT_EQ(pathFromFileUrl("http://host.invalid/x"), "");
  EXPECT_EQ(urlScheme("C:\\x"), "");
  EXPECT_EQ(urlScheme("Mailto:x"), "mailto");
  EXPECT_EQ(urlFragment("a.htm#sec2"), "sec2");
}

}  // namespace
}  // namespace tavra
