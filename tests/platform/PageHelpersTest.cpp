// Pieces of page preparation: HTML rewrites before layout and the <font size> scale.
#include <gtest/gtest.h>

#include "platform/HtmlPreprocessor.h"
#include "platform/PageFontElement.h"

namespace tavra {
namespace {

TEST(HtmlPreprocessor, Rewrites) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"<style><!--\np {margin:0}\n--></style>", "<style>\np {margin:0}\n</style>"},
      {"<STYLE type=text/css>\n<!-- a{} -->\n</STYLE><p>&lt;!-- kept --&gt; <!-- comment --></p>",
       "<STYLE type=text/css>\n a{} \n</STYLE><p>&lt;!-- kept --&gt; <!-- comment --></p>"},
      {"<span style='vertical-align:-8.0pt'>x</span>", "<span style='position:relative;top:8.0pt'>x</span>"},
      {"<span style=\"VERTICAL-ALIGN: 3pt;color:red\">", "<span style=\"position:relative;top:-3pt;color:red\">"},
      {"<style>.r{vertical-align:+2px}</style>", "<style>.r{position:relative;top:-2px}</style>"},
      {"<span style='vertical-align:super'>", "<span style='vertical-align:super'>"},
      {"<span style='vertical-align:-50%'>", "<span style='vertical-align:-50%'>"},
      {"<style>unterminated", "<style>unterminated"},
  };
  for (const Case& c : cases) EXPECT_EQ(preprocessPageHtml(c.in), c.out) << c.in;
}

TEST(PageFontElement, SizeAttributeScale) {
  struct Case {
    const char* attribute;
    const char* css;
  };
  const Case cases[] = {{"1", "10px"}, {"3", "16px"}, {"7", "48px"}, {"9", "48px"},  {"0", "10px"}, {"+1", "18px"},
                        {"+2", "24px"}, {"-1", "13px"}, {"-5", "10px"}, {"+10", "48px"}, {" 4 ", "18px"}, {"big", ""}};
  for (const Case& c : cases) EXPECT_EQ(PageFontElement::cssFontSize(c.attribute), c.css) << c.attribute;
}

}  // namespace
}  // namespace tavra
