// Pieces of page preparation: HTML rewrites before layout and the <font size> scale.
#include <gtest/gtest.h>

#include "platform/page/HtmlPreprocessor.h"
#include "platform/page/PageFontElement.h"

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
      {"<p title='vertical-align:3pt'>vertical-align:3pt</p>", "<p title='position:relative;top:-3pt'>vertical-align:3pt</p>"},
      {"<script>if (a<b) x = '<!--';</script><style>p{}</style>", "<script>if (a<b) x = '<!--';</script><style>p{}</style>"},
      {"<a href=\"x>y\">t</a> 1 < 2 <br/>", "<a href=\"x>y\">t</a> 1 < 2 <br/>"},
      {"<td colspan=2000000000 ROWSPAN = '1001'>", "<td colspan=1000 ROWSPAN = '1000'>"},
      {"<th colspan=\"3\" rowspan=99999999999999999999>", "<th colspan=\"3\" rowspan=1000>"},
  };
  for (const Case& c : cases) EXPECT_EQ(preprocessPageHtml(c.in), c.out) << c.in;
}

size_t countOf(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1)) ++n;
  return n;
}

TEST(HtmlPreprocessor, FlattensExcessiveNesting) {
  std::string html;
  for (int i = 0; i < 300; ++i) html += "<div class=x>";
  html += "<p>текст";
  for (int i = 0; i < 300; ++i) html += "<b>";
  html += "жирный";
  for (int i = 0; i < 300; ++i) html += "</b>";
  for (int i = 0; i < 300; ++i) html += "</div>";
  html += "<div>после</div>";
  std::string out = preprocessPageHtml(html);
  EXPECT_EQ(countOf(out, "<div"), static_cast<size_t>(kMaxNesting) + 1);
  EXPECT_EQ(countOf(out, "</div>"), static_cast<size_t>(kMaxNesting) + 1);
  EXPECT_EQ(countOf(out, "<b>"), 0u);  // the divs already fill the depth
  EXPECT_NE(out.find("текст"), std::string::npos);
  EXPECT_NE(out.find("жирный"), std::string::npos);
  EXPECT_NE(out.find("<div>после</div>"), std::string::npos);
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
