// Layout as a browser does it in standards mode, on small archives that each show one fault
// the layout engine has on its own: line breaks, subscripts and superscripts (never torn from
// their letter, sized, shifted and given room), margins after a padded block, the symbol
// fallback font, cell widths with padding, borders of nested tables, scaled background pictures.
#include <gtest/gtest.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <string>

#include "PageTestArchives.h"
#include "gfx/Canvas.h"
#include "platform/page/PageDocument.h"

namespace tavra {
namespace {

using testing_pages::Picture;
using testing_pages::solidPng;
using testing_pages::wordArchive;

std::unique_ptr<PageDocument> page(const std::string& body, int width = 400, const std::vector<Picture>& pictures = {}) {
  std::string html =
      "<!DOCTYPE html><html><head><style>body { margin: 0; font-family: 'Times New Roman'; font-size: 17px; "
      "line-height: 23px; } p { margin: 0; }</style></head><body>" +
      body + "</body></html>";
  auto archive = MhtmlArchive::decode(wordArchive(html, pictures));
  EXPECT_TRUE(archive.ok());
  LoadedPage loaded;
  loaded.path = "layout.mht";
  loaded.status = PageStatus::Loaded;
  loaded.archive = std::move(*archive);
  auto document = std::make_unique<PageDocument>(std::move(loaded));
  document->layout(width, 300);
  return document;
}

Rect runBox(PageDocument& document, std::string_view text, int occurrence = 0) {
  for (const auto& run : document.textRuns()) {
    if (run.text == text && occurrence-- == 0) return run.box;
  }
  ADD_FAILURE() << "no run " << text;
  return {};
}

Bitmap render(PageDocument& document) {
  Bitmap bitmap(document.width(), std::max(document.height(), 1));
  Canvas canvas(bitmap);
  document.draw(canvas, bitmap.bounds(), {});
  return bitmap;
}

// The columns or rows where a colour appears, as [first, last] (first > last when nowhere).
struct Span {
  int first = 1 << 30;
  int last = -1;
  int length() const { return last >= first ? last - first + 1 : 0; }
};

Span columnsOf(const Bitmap& bitmap, int y, Color color) {
  Span span;
  Pixel wanted = pixelFromColor(color) & 0xFFFFFF;
  for (int x = 0; x < bitmap.width(); ++x) {
    if ((bitmap.pixel(x, y) & 0xFFFFFF) == wanted) {
      span.first = std::min(span.first, x);
      span.last = std::max(span.last, x);
    }
  }
  return span;
}

Span rowsOf(const Bitmap& bitmap, int x, Color color) {
  Span span;
  Pixel wanted = pixelFromColor(color) & 0xFFFFFF;
  for (int y = 0; y < bitmap.height(); ++y) {
    if ((bitmap.pixel(x, y) & 0xFFFFFF) == wanted) {
      span.first = std::min(span.first, y);
      span.last = std::max(span.last, y);
    }
  }
  return span;
}

TEST(PageLayout, LineBreaksStartNewLinesAndKeepCaptionsUnderPictures) {
  auto document = page("<p>Раз<br>два<br><br>три</p><p>конец<br></p><p>дальше</p>");
  int top = runBox(*document, "Раз").top;
  EXPECT_EQ(runBox(*document, "два").top - top, 23);
  EXPECT_EQ(runBox(*document, "три").top - top, 69) << "two breaks leave an empty line";
  EXPECT_EQ(runBox(*document, "дальше").top - runBox(*document, "конец").top, 23) << "a break that ends a paragraph adds no line";

  auto figure = page("<table><tr><td><img src='a.png' width='120' height='80'><br>Подпись к рисунку</td></tr></table>", 400,
                     {{"a.png", solidPng(4, 4, rgb(0, 0, 255))}});
  Bitmap bitmap = render(*figure);
  Span picture = rowsOf(bitmap, 30, rgb(0, 0, 255));
  ASSERT_EQ(picture.length(), 80);
  Rect caption = runBox(*figure, "Подпись");
  EXPECT_GE(caption.top, picture.last) << "the caption is under the picture";
  EXPECT_LT(caption.left, 20) << "and starts at the cell's left";
}

TEST(PageLayout, HtmlFiveSectionsAreBlocksAsInABrowser) {
  // Authors' own pages may be HTML5: each of these starts a line of its own.
  for (const char* tag : {"section", "article", "header", "footer", "nav", "aside", "main", "figure", "figcaption"}) {
    SCOPED_TRACE(tag);
    const std::string t = tag;
    auto document = page("<div>перед<" + t + ">внутри</" + t + ">после</div>");
    EXPECT_GT(runBox(*document, "внутри").top, runBox(*document, "перед").top);
    EXPECT_GT(runBox(*document, "после").top, runBox(*document, "внутри").top);
  }
}

TEST(PageLayout, ALetterIsNeverTornFromItsScriptNorAWordFromItsPunctuation) {
  const std::string body =
      "<p>Здесь слова f<sub>1</sub>, <i>u</i><sub><i>xx</i></sub> и <i>e</i><sup>&#8722;<i>&#955;</i><sup>2</sup><i>t</i></sup> "
      "и <i>a</i><sub>12</sub><sup>2</sup> − <i>a</i><sub>11</sub><i>a</i><sub>22</sub> со скоростью <i>v</i>.</p>";
  struct Pair {
    std::string_view letter;
    std::string_view script;
    int scriptOccurrence = 0;
  };
  const Pair pairs[] = {{"f", "1"}, {"u", "xx"}, {"e", "−"}, {"−", "λ"}, {"λ", "2"}, {"a", "12"}, {"12", "2", 1}, {"v", "."}};
  int checkedWraps = 0;
  for (int width = 60; width <= 330; width += 3) {
    auto document = page(body, width);
    for (const Pair& pair : pairs) {
      Rect letter = runBox(*document, pair.letter);
      Rect script = runBox(*document, pair.script, pair.scriptOccurrence);
      bool sameLine = script.left >= letter.right - 1 && script.top < letter.bottom + 6 && letter.top < script.bottom + 6;
      EXPECT_TRUE(sameLine) << "width " << width << ": \"" << pair.letter << "\" and \"" << pair.script << "\"";
      if (letter.left < 10) ++checkedWraps;  // the pair started a line
    }
  }
  EXPECT_GT(checkedWraps, 10) << "the widths tried do wrap at the pairs";
}

// A line of Liberation Serif at 17 px whose words and spaces add up to 647.475 px: each space
// is 4.25 px, so pieces rounded one by one would make it 3.5 px narrower and let it fit in 646.
// Whole-pixel positions leave it within a pixel of that width.
TEST(PageLayout, ALineHoldsOnlyWhatItsFractionalWidthAllows) {
  const std::string line = "<p>3.2 — волновое уравнение на плоскости: колебания прямоугольной и круглой мембраны;</p>";
  struct Case {
    int width;
    bool wraps;
  };
  for (Case c : {Case{640, true}, Case{646, true}, Case{648, false}, Case{660, false}}) {
    auto document = page(line, c.width);
    Rect first = runBox(*document, "3.2");
    Rect last = runBox(*document, "мембраны;");
    EXPECT_EQ(last.top > first.top, c.wraps) << "width " << c.width;
    if (!c.wraps) {
      EXPECT_NEAR(last.left, 568.475, 1.0) << "the last word starts where the words and spaces before it end";
      EXPECT_NEAR(last.right, 647.475, 1.0);
    }
  }
}

// Pages share their fonts and measured words; what one page measured must not move the words
// of the next, nor its rounding carry over.
TEST(PageLayout, APageLaysOutTheSameWhateverWasOpenedBefore) {
  const std::string body = "<p>Уравнение колебаний струны <i>u</i><sub>tt</sub> = <i>a</i><sup>2</sup><i>u</i><sub>xx</sub> "
                           "решается методом Фурье; <b>собственные функции</b> образуют ортогональную систему.</p>";
  auto boxes = [](PageDocument& document) {
    std::vector<std::pair<std::string, Rect>> all;
    for (const auto& run : document.textRuns()) all.emplace_back(run.text, run.box);
    return all;
  };
  auto first = boxes(*page(body, 230));
  ASSERT_GT(first.size(), 20u);
  page("<p><b>Другая</b> страница, с иным <i>текстом</i> и размером: " + std::string(40, 'x') + " слова слова.</p>", 170);
  EXPECT_EQ(boxes(*page(body, 230)), first);
}

TEST(PageLayout, ScriptsAreSmallerShiftedAndLinesGrowToHoldThem) {
  auto plain = page("<p>xx yy zz</p>");
  auto sub = page("<p>xx<sub>1</sub> zz</p>");
  auto sup = page("<p>yy<sup>2</sup> zz</p>");
  auto both = page("<p>xx<sub>1</sub> yy<sup>2</sup> zz</p>");
  auto alone = page("<p>x <sub>1</sub> y <sup>2</sup> zz</p>");
  EXPECT_EQ(plain->height(), 23);
  // A browser: a sub lowered by a fifth of 17 px plus one, a sup raised by a third plus one,
  // both at 17 / 1.2 px; the line grows to 28 px for either and to 34 px for both.
  EXPECT_NEAR(sub->height(), 28, 1);
  EXPECT_NEAR(sup->height(), 29, 1);
  EXPECT_NEAR(both->height(), 34, 1);
  EXPECT_NEAR(alone->height(), 34, 1);
  for (PageDocument* document : {both.get(), alone.get()}) {
    Rect base = runBox(*document, "zz");
    Rect low = runBox(*document, "1");
    Rect high = runBox(*document, "2");
    EXPECT_LT(low.height(), base.height()) << "a smaller font";
    EXPECT_LT(high.height(), base.height());
    EXPECT_NEAR(low.bottom - base.bottom, 4, 1);
    EXPECT_NEAR(base.bottom - high.bottom, 7, 1);
  }
}

TEST(PageLayout, ScriptedWordsStayOnTheBaselineInTopAlignedCells) {
  auto document = page("<table><tr><td style='vertical-align: top'>aa (bb)<sup>2</sup>, cc<sub>1</sub> dd</td></tr></table>");
  int baseline = runBox(*document, "aa").bottom;
  EXPECT_EQ(runBox(*document, "dd").bottom, baseline);
  EXPECT_EQ(runBox(*document, "(bb)").bottom, baseline) << "the cell's alignment is not the glued word's";
  EXPECT_EQ(runBox(*document, "cc").bottom, baseline);
}

TEST(PageLayout, AScriptInsideAScriptMovesFurtherTheSameWay) {
  auto document = page("<p>e<sup>aa<sup>bb</sup>cc<sub>dd</sub></sup> и x<sub>ee<sub>ff</sub>gg<sup>hh</sup></sub> конец</p>");
  int base = runBox(*document, "конец").bottom;
  int raised = runBox(*document, "aa").bottom;
  int lowered = runBox(*document, "ee").bottom;
  EXPECT_LT(raised, base);
  EXPECT_LT(runBox(*document, "bb").bottom, raised - 3) << "a superscript's superscript is higher still";
  EXPECT_GT(runBox(*document, "dd").bottom, raised) << "a superscript's subscript is lower than it";
  EXPECT_LT(runBox(*document, "dd").bottom, base);
  EXPECT_GT(lowered, base);
  EXPECT_GT(runBox(*document, "ff").bottom, lowered + 2) << "a subscript's subscript is lower still";
  EXPECT_LT(runBox(*document, "hh").bottom, lowered);
}

TEST(PageLayout, MarginsCollapseAfterABlockWithPaddingOrABorder) {
  const std::string style =
      "<style>h1 { font-size: 20px; line-height: 20px; margin: 0 0 14px 0; padding: 0 0 5px 0; border-bottom: 2px solid #00ff00;"
      " background: #0000ff; } h2 { font-size: 18px; line-height: 20px; margin: 18px 0 8px 0; background: #ff0000; }"
      "h3 { font-size: 16px; line-height: 20px; margin: 6px 0; background: #ff00ff; }"
      "div.box { margin: 0 0 12px 0; padding: 4px; background: #ffff00; } </style>";
  auto document = page(style + "<h1>Заголовок</h1><h2>Раздел</h2><div class='box'>Блок</div><h3>Пункт</h3>");
  auto rows = [&](Color color) { return rowsOf(render(*document), 200, color); };
  Span h1 = rows(rgb(0, 0, 255)), rule = rows(rgb(0, 255, 0)), h2 = rows(rgb(255, 0, 0));
  Span box = rows(rgb(255, 255, 0)), h3 = rows(rgb(255, 0, 255));
  EXPECT_EQ(h1.first, 0);
  EXPECT_EQ(h1.length(), 25);
  EXPECT_EQ(rule.length(), 2);
  EXPECT_EQ(h2.first - rule.last - 1, 18) << "the larger of 14 and 18";
  EXPECT_EQ(box.first - h2.last - 1, 8);
  EXPECT_EQ(h3.first - box.last - 1, 12) << "the larger of 12 and 6";
  EXPECT_EQ(document->height(), h3.last + 1 + 6);
  // Laying out again at other widths keeps the same spacing.
  document->layout(300, 300);
  document->layout(400, 300);
  EXPECT_EQ(rows(rgb(255, 0, 0)).first, h2.first);
}

TEST(PageLayout, SymbolsMissingFromTheSerifFaceComeFromTheMathematicalSerifFallback) {
  // A page each: the first piece of a page's text has no fraction carried into its width.
  auto element = page("<p>&#8712;</p>");
  auto minusPlus = page("<p>&#8723;</p>");
  PangoFontMap* map = pango_cairo_font_map_get_default();
  PangoContext* context = pango_font_map_create_context(map);
  pango_context_set_round_glyph_positions(context, FALSE);
  auto widthIn = [&](const char* family, const char* text) {
    PangoLayout* layout = pango_layout_new(context);
    PangoFontDescription* d = pango_font_description_from_string(family);
    pango_font_description_set_absolute_size(d, 17 * PANGO_SCALE);
    pango_layout_set_font_description(layout, d);
    pango_layout_set_text(layout, text, -1);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    pango_font_description_free(d);
    g_object_unref(layout);
    return static_cast<int>(std::lround(logical.width / double(PANGO_SCALE)));
  };
  EXPECT_EQ(runBox(*element, "∈").width(), widthIn("STIXGeneral", "∈"));
  EXPECT_EQ(runBox(*minusPlus, "∓").width(), widthIn("STIXGeneral", "∓"));
  EXPECT_NE(widthIn("STIXGeneral", "∈"), widthIn("DejaVu Sans", "∈")) << "the widths tell the faces apart";
  g_object_unref(context);
}

TEST(PageLayout, ACellsWidthIsItsContentWidthWithoutThePadding) {
  auto document = page(
      "<table style='border-collapse: collapse'><tr><td style='width: 24px; padding: 6px 10px; background: #ff0000'>A</td>"
      "<td style='width: 50px; padding: 0 5px; background: #0000ff'>B</td></tr></table>");
  Bitmap bitmap = render(*document);
  EXPECT_EQ(columnsOf(bitmap, 3, rgb(255, 0, 0)).length(), 44);
  Span blue = columnsOf(bitmap, 10, rgb(0, 0, 255));
  EXPECT_EQ(blue.length(), 60);
}

TEST(PageLayout, ColumnsThatDoNotFitShareTheRoomByHowMuchWiderTheyCouldBe) {
  // Column 1 is 100 px at its narrowest and 160 at its widest, column 2 300 and 750; the room
  // is 500 px. A browser gives column 1 100 + 60 × 100 / 510 px and column 2 the rest.
  auto pictures = std::vector<Picture>{{"a.png", solidPng(2, 2, rgb(0, 0, 255))}};
  auto document = page(
      "<div style='width: 500px'><table style='border-collapse: collapse; font-size: 0'><tr>"
      "<td style='padding: 0; background: #ff0000'><img src='a.png' width='100' height='10'> <img src='a.png' width='60' height='10'></td>"
      "<td style='padding: 0; background: #00ff00'><img src='a.png' width='200' height='10'> <img src='a.png' width='300' height='10'> "
      "<img src='a.png' width='250' height='10'></td></tr></table></div>",
      600, pictures);
  Bitmap bitmap = render(*document);
  int y = document->height() - 2;
  EXPECT_NEAR(columnsOf(bitmap, y, rgb(255, 0, 0)).length(), 111, 1);
  EXPECT_NEAR(columnsOf(bitmap, y, rgb(0, 255, 0)).length(), 389, 1);
  // Laid out again, the widths hold.
  document->layout(599, 300);
  document->layout(600, 300);
  Bitmap again = render(*document);
  EXPECT_NEAR(columnsOf(again, y, rgb(255, 0, 0)).length(), 111, 1);
}

TEST(PageLayout, ATableBorderFramesOnlyItsOwnCells) {
  auto document = page(
      "<table border='1' style='border-spacing: 0'><tr><td style='padding: 0'>"
      "<table style='border-spacing: 0'><tr><td style='padding: 0; width: 60px; height: 40px; background: #00ff00'></td>"
      "</tr></table></td></tr></table>");
  Bitmap bitmap = render(*document);
  Span green = columnsOf(bitmap, 20, rgb(0, 255, 0));
  ASSERT_EQ(green.length(), 60);
  // The outer table and its cell draw 1 px frames each: the inner cell's green starts right after them.
  EXPECT_EQ(green.first, 2);
  Span rows = rowsOf(bitmap, 30, rgb(0, 255, 0));
  EXPECT_EQ(rows.length(), 40);
  EXPECT_EQ(rows.first, 2);
}

TEST(PageLayout, ListBulletsAreAThirdOfAnEmAcrossAndSitAtTheMiddleOfTheLetters) {
  auto document = page("<ul style='margin: 0; padding-left: 40px'><li>Пункт списка</li></ul>");
  Rect word = runBox(*document, "Пункт");
  Bitmap bitmap = render(*document);
  Rect bullet;
  bool found = false;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < word.left - 2; ++x) {
      if ((bitmap.pixel(x, y) & 0xFF) < 128) {  // dark
        bullet = found ? bullet.united(Rect::fromSize(x, y, 1, 1)) : Rect::fromSize(x, y, 1, 1);
        found = true;
      }
    }
  }
  ASSERT_TRUE(found);
  EXPECT_GE(bullet.width(), 4);
  EXPECT_LE(bullet.width(), 6) << "17 px text: a bullet of about 5 px";
  int middle = (bullet.top + bullet.bottom) / 2;
  EXPECT_GE(middle, (word.top + word.bottom) / 2) << "level with the middle of the small letters, not higher";
  EXPECT_LT(middle, word.bottom - 4);
}

TEST(PageLayout, AScaledBackgroundPictureKeepsItsColourToItsEdges) {
  auto document = page(
      "<div style=\"width: 90px; height: 60px; background-image: url('bg.png'); background-repeat: no-repeat; "
      "background-size: 90px 60px\"></div>",
      400, {{"bg.png", solidPng(3, 2, rgb(200, 30, 30))}});
  Bitmap bitmap = render(*document);
  for (Point p : {Point{0, 0}, Point{89, 0}, Point{0, 59}, Point{89, 59}, Point{45, 30}, Point{45, 0}, Point{0, 30}}) {
    EXPECT_EQ(bitmap.pixel(p.x, p.y) & 0xFFFFFF, pixelFromColor(rgb(200, 30, 30)) & 0xFFFFFF) << p.x << "," << p.y;
  }
  EXPECT_EQ(bitmap.pixel(90, 30) & 0xFFFFFF, 0xFFFFFFu) << "nothing beyond the picture";
}

}  // namespace
}  // namespace tavra
