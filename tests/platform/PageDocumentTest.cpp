// Pages laid out and drawn with the viewer's own container: geometry, pictures, anchors, links,
// the program's own pages, and word-processor markup.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "gfx/Canvas.h"
#include "platform/page/PageDocument.h"
#include "PageTestArchives.h"

namespace tavra {
namespace {

using testing_pages::Picture;
using testing_pages::solidPng;
using testing_pages::wordArchive;

constexpr Color kPictureColor = rgb(40, 120, 200);

std::unique_ptr<PageDocument> pageFrom(const std::string& archiveText, int width = 721) {
  auto archive = MhtmlArchive::decode(archiveText);
  EXPECT_TRUE(archive.ok());
  LoadedPage page;
  page.path = "test.mht";
  page.status = PageStatus::Loaded;
  page.archive = std::move(*archive);
  auto document = std::make_unique<PageDocument>(std::move(page));
  document->layout(width, 400);
  return document;
}

std::unique_ptr<PageDocument> htmlPage(const std::string& html, int width = 721) {
  return pageFrom(wordArchive(html, {}), width);
}

Bitmap render(PageDocument& document, Point scroll = {}, int height = -1) {
  Bitmap bitmap(document.width(), height < 0 ? document.height() : height);
  Canvas canvas(bitmap);
  document.draw(canvas, bitmap.bounds(), scroll);
  return bitmap;
}

struct ColorBox {
  int count = 0;
  Rect bounds;
};

ColorBox findColor(const Bitmap& bitmap, Color color) {
  ColorBox box;
  Pixel wanted = pixelFromColor(color) & 0xFFFFFF;
  for (int y = 0; y < bitmap.height(); ++y) {
    const Pixel* row = bitmap.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      if ((row[x] & 0xFFFFFF) == wanted) {
        ++box.count;
        box.bounds = box.bounds.united(Rect::fromSize(x, y, 1, 1));
      }
    }
  }
  return box;
}

const PageDocument::TextRun* findRun(PageDocument& document, std::string_view text) {
  for (const auto& run : document.textRuns()) {
    if (run.text == text) return &run;
  }
  return nullptr;
}

std::string allText(PageDocument& document) {
  return document.textOfRuns(0, static_cast<int>(document.textRuns().size()) - 1);
}

TEST(PageDocument, TableAndPictureFromTheArchive) {
  std::string html =
      "<html><body style='margin:0'>"
      "<p style='margin:0'><img src=\"test_files/image001.png\"></p>"
      "<table border=1><tr><td>Ячейка 1</td><td>Ячейка 2</td></tr><tr><td>3</td><td>4</td></tr></table>"
      "</body></html>";
  auto document = pageFrom(wordArchive(html, {{"test_files/image001.png", solidPng(30, 20, kPictureColor)}}));
  EXPECT_GT(document->height(), 20 + 2 * 16);
  ASSERT_NE(findRun(*document, "Ячейка"), nullptr);
  const auto* cell2 = findRun(*document, "2");
  const auto* cell3 = findRun(*document, "3");
  ASSERT_TRUE(cell2 && cell3);
  EXPECT_GT(cell3->box.top, cell2->box.top);  // the second row lies below the first
  EXPECT_GE(cell2->box.top, 20);              // and the table below the picture

  Bitmap bitmap = render(*document);
  ColorBox picture = findColor(bitmap, kPictureColor);
  EXPECT_EQ(picture.count, 30 * 20);
  EXPECT_EQ(picture.bounds, Rect::fromSize(0, 0, 30, 20));
}

TEST(PageDocument, MissingPictureDrawsAPlaceholderFrame) {
  auto document = htmlPage("<body style='margin:0'><img src='test_files/none.png' width=40 height=30></body>");
  Bitmap bitmap = render(*document);
  // The frame's left column is grey, its inside stays white.
  Color frame = bitmap.colorAt(0, 15);
  EXPECT_NE(frame, clWhite);
  EXPECT_EQ(redOf(frame), greenOf(frame));
  EXPECT_EQ(bitmap.colorAt(30, 25), clWhite);
}

TEST(PageDocument, AnchorsByNameAndId) {
  auto document = htmlPage(
      "<body style='margin:8px'><div style='height:500px'></div>"
      "<p style='margin:0'><a name='sec2'>Раздел</a> 2</p>"
      "<div id='part3' style='margin-top:100px'>Часть 3</div></body>");
  EXPECT_EQ(document->anchorY("sec2"), 508);
  EXPECT_EQ(document->anchorY("SEC2"), 508);  // names written in another case still match
  auto part3 = document->anchorY("part3");
  ASSERT_TRUE(part3);
  EXPECT_GE(*part3, 508 + 100);
  EXPECT_FALSE(document->anchorY("absent"));
}

TEST(PageDocument, AnchorInsideInlineElementsOnALaterLine) {
  auto document = htmlPage(
      "<body style='margin:0'><div style='height:200px'></div>"
      "<p style='margin:0; width:100px; font-size:16px'>один два три четыре пять <b><i><a name='deep'>шесть</a></i></b></p></body>");
  const auto* word = findRun(*document, "шесть");
  ASSERT_NE(word, nullptr);
  ASSERT_GT(word->box.top, 200);  // the word wrapped to a later line
  EXPECT_EQ(document->anchorY("deep"), word->box.top);
}

TEST(PageDocument, EmptyAnchorTakesThePlaceOfWhatFollows) {
  auto document = htmlPage("<body style='margin:0'><div style='height:300px'></div><h2 style='margin:0'><a name='x'></a>Заголовок</h2></body>");
  auto y = document->anchorY("x");
  ASSERT_TRUE(y);
  EXPECT_EQ(*y, 300);
}

TEST(PageDocument, LinkHitTest) {
  auto document = htmlPage(
      "<body style='margin:0'><p style='margin:0; font-size:20px'><a href='other.mht#s'>Ссылка</a> текст</p>"
      "<p style='margin:0; font-size:20px'><a href='mailto:author@example.invalid'>почта</a></p></body>");
  const auto* link = findRun(*document, "Ссылка");
  const auto* plain = findRun(*document, "текст");
  const auto* mail = findRun(*document, "почта");
  ASSERT_TRUE(link && plain && mail);
  Point inLink{link->box.left + 3, link->box.top + link->box.height() / 2};
  EXPECT_EQ(document->hrefAt(inLink), "other.mht#s");
  PageDocument::Link hit = document->linkAt(inLink);
  EXPECT_EQ(hit.kind, PageDocument::Link::Kind::Page);
  EXPECT_EQ(hit.url, "file:///C:/D4F3A1B2/other.mht#s");
  EXPECT_EQ(hit.fragment, "s");
  EXPECT_EQ(document->linkAt({plain->box.left + 3, plain->box.top + 3}).kind, PageDocument::Link::Kind::None);
  PageDocument::Link mailLink = document->linkAt({mail->box.left + 2, mail->box.top + 3});
  EXPECT_EQ(mailLink.kind, PageDocument::Link::Kind::External);
  EXPECT_EQ(mailLink.url, "mailto:author@example.invalid");
  EXPECT_EQ(document->linkAt({700, 300}).kind, PageDocument::Link::Kind::None);
}

TEST(PageDocument, LinksToAnchorsAndPagesBesideTheArchive) {
  auto dir = std::filesystem::temp_directory_path() / ("tavra_link_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "Mat");
  std::ofstream(dir / "Mat" / "Page1.mht", std::ios::binary) << wordArchive("<p>Первая</p>", {});
  std::ofstream(dir / "Mat" / "Page2.MHT", std::ios::binary) << wordArchive("<p>Вторая</p>", {});
  auto document = PageDocument::open((dir / "Mat" / "Page1.mht").string());
  ASSERT_EQ(document->status(), PageStatus::Loaded);
  using Kind = PageDocument::Link::Kind;
  struct Case {
    const char* href;
    Kind kind;
    std::string path;
    const char* fragment;
  };
  const Case cases[] = {
      {"#sec", Kind::Anchor, "", "sec"},
      {"test.htm#sec", Kind::Anchor, "", "sec"},  // the archived page's own location
      {"page2.mht#x", Kind::Page, (dir / "Mat" / "Page2.MHT").string(), "x"},
      {"page1.mht#y", Kind::Anchor, (dir / "Mat" / "Page1.mht").string(), "y"},
      {"absent.mht", Kind::Page, (dir / "Mat" / "absent.mht").string(), ""},
      {"file:///C:/D4F3A1B2/gone.mht", Kind::Page, "/C:/D4F3A1B2/gone.mht", ""},
      {"http://example.invalid/a", Kind::External, "", ""},
      {"javascript:void(0)", Kind::None, "", ""},
      {"", Kind::None, "", ""},
  };
  for (const Case& c : cases) {
    PageDocument::Link link = document->linkFor(c.href);
    EXPECT_EQ(link.kind, c.kind) << c.href;
    EXPECT_EQ(link.path, c.path) << c.href;
    EXPECT_EQ(link.fragment, c.fragment) << c.href;
  }
  std::filesystem::remove_all(dir);
}

TEST(PageDocument, HeightFollowsContentAndWidth) {
  std::string paragraph = "<p>Решение уравнения теплопроводности ищем в виде ряда Фурье по собственным функциям.</p>";
  std::string ten, forty;
  for (int i = 0; i < 10; ++i) ten += paragraph;
  for (int i = 0; i < 40; ++i) forty += paragraph;
  auto shortPage = htmlPage("<body>" + ten + "</body>");
  auto longPage = htmlPage("<body>" + forty + "</body>");
  EXPECT_GT(shortPage->height(), 10 * 16);
  EXPECT_GT(longPage->height(), shortPage->height() * 3);
  int wide = longPage->height();
  longPage->layout(250, 400);
  EXPECT_GT(longPage->height(), wide);  // lines wrap at a narrow width
  longPage->layout(721, 400);
  EXPECT_EQ(longPage->height(), wide);
}

TEST(PageDocument, DrawsOnlyTheVisiblePartAtTheScrollPosition) {
  auto document = pageFrom(wordArchive(
      "<body style='margin:0'><div style='height:1000px'></div><img style='display:block' src='a.png'></body>",
      {{"a.png", solidPng(10, 10, kPictureColor)}}));
  Bitmap top = render(*document, {0, 0}, 200);
  EXPECT_EQ(findColor(top, kPictureColor).count, 0);
  Bitmap scrolled = render(*document, {0, 950}, 200);
  EXPECT_EQ(findColor(scrolled, kPictureColor).bounds, Rect::fromSize(0, 50, 10, 10));
}

TEST(PageDocument, MissingFileShowsTheProgramsPage) {
  auto document = PageDocument::open("/nonexistent/mat/Priv.mht");
  EXPECT_EQ(document->status(), PageStatus::NotFound);
  document->layout(721, 400);
  EXPECT_GT(document->height(), 0);
  std::string text = allText(*document);
  EXPECT_NE(text.find("Страница не найдена"), std::string::npos);
  EXPECT_NE(text.find("/nonexistent/mat/Priv.mht"), std::string::npos);
  Bitmap bitmap = render(*document);
  int dark = 0;
  for (int y = 0; y < bitmap.height(); ++y) {
    for (int x = 0; x < bitmap.width(); ++x) dark += (bitmap.row(y)[x] & 0xFF) < 0x80;
  }
  EXPECT_GT(dark, 100);  // the heading and the path are drawn
}

TEST(PageDocument, DamagedFileShowsTheProgramsPageAndCaseIsIgnored) {
  auto dir = std::filesystem::temp_directory_path() / ("tavra_page_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir / "Mat");
  {
    std::ofstream(dir / "Mat" / "Priv.mht", std::ios::binary) << wordArchive("<p>Введение</p>", {});
    std::ofstream(dir / "Mat" / "broken.mht", std::ios::binary)
        << "Content-Type: multipart/related; boundary=z\r\n\r\n--z\r\nContent-Type: application/x-binary\r\n\r\n\x01\x02";
  }
  auto found = PageDocument::open((dir / "mat" / "PRIV.MHT").string());
  EXPECT_EQ(found->status(), PageStatus::Loaded);
  found->layout(721, 400);
  EXPECT_NE(allText(*found).find("Введение"), std::string::npos);

  auto broken = PageDocument::open((dir / "Mat" / "broken.mht").string());
  EXPECT_EQ(broken->status(), PageStatus::Damaged);
  broken->layout(721, 400);
  EXPECT_NE(allText(*broken).find("не может быть показана"), std::string::npos);
  std::filesystem::remove_all(dir);
}

TEST(PageDocument, WordProcessorMarkupDegradesToReadableText) {
  auto document = htmlPage(
      "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\"><head>"
      "<style><!-- div.tall {height:300px; mso-pagination:widow-orphan} --></style>"
      "<!--[if gte mso 9]><xml><o:DocumentProperties><o:Author>x</o:Author></o:DocumentProperties></xml><![endif]-->"
      "</head><body style='margin:0'><div class=tall></div>"
      "<p class=MsoNormal style='margin:0;mso-line-height-alt:12pt'>Первый<o:p></o:p></p>"
      "<![if !vml]><p style='margin:0'>Второй</p><![endif]>"
      "<!--[if !supportLists]-->"
      "</body></html>");
  std::string text = allText(*document);
  EXPECT_NE(text.find("Первый"), std::string::npos);
  EXPECT_NE(text.find("Второй"), std::string::npos);
  EXPECT_EQ(text.find("endif"), std::string::npos);
  EXPECT_EQ(text.find("Author"), std::string::npos);
  EXPECT_EQ(text.find("mso"), std::string::npos);
  // The first rule after "<!--" inside <style> still applies.
  const auto* first = findRun(*document, "Первый");
  ASSERT_NE(first, nullptr);
  EXPECT_GE(first->box.top, 300);
}

TEST(PageDocument, LinkedStyleSheetFromTheArchive) {
  auto document = pageFrom(wordArchive(
      "<html><head><link rel=stylesheet href='test_files/style.css'></head>"
      "<body style='margin:0'><div class=tall></div><p style='margin:0'>После</p></body></html>",
      {{"test_files/style.css", "<!-- div.tall { height: 250px } -->", "text/css"}}));
  const auto* after = findRun(*document, "После");
  ASSERT_NE(after, nullptr);
  EXPECT_GE(after->box.top, 250);
  EXPECT_LT(after->box.top, 260);
}

TEST(PageDocument, FontElementAndRaisedText) {
  auto document = htmlPage(
      "<body><p>норма <font size=\"+3\" face=\"Verdana\" color=\"#ff0000\">крупно</font> "
      "<font size=1>мелко</font> x<sup>верх</sup> y<sub>низ</sub> "
      "<span style='vertical-align:-6.0pt'>ниже</span></p></body>");
  const auto* normal = findRun(*document, "норма");
  const auto* big = findRun(*document, "крупно");
  const auto* small = findRun(*document, "мелко");
  const auto* sup = findRun(*document, "верх");
  const auto* sub = findRun(*document, "низ");
  const auto* lowered = findRun(*document, "ниже");
  ASSERT_TRUE(normal && big && small && sup && sub && lowered);
  EXPECT_GT(big->box.height(), normal->box.height() * 3 / 2);  // size 6: 32 px
  EXPECT_LT(small->box.height(), normal->box.height());        // size 1: 10 px
  EXPECT_LT(sup->box.bottom, normal->box.bottom);
  EXPECT_GT(sub->box.bottom, normal->box.bottom);
  EXPECT_GE(lowered->box.bottom - normal->box.bottom, 7);  // 6 pt = 8 px lower
  Bitmap bitmap = render(*document);
  EXPECT_GT(findColor(bitmap, rgb(255, 0, 0)).count, 20);  // the font colour is used
}

TEST(PageDocument, SelectionTextFollowsLines) {
  auto document = htmlPage("<body><p>Первая строка</p><p>Вторая строка</p></body>");
  int first = document->runAt({findRun(*document, "Первая")->box.left + 1, findRun(*document, "Первая")->box.top + 1});
  const auto* second = findRun(*document, "Вторая");
  int last = document->runAt({second->box.right - 1, second->box.top + 2});
  ASSERT_GE(first, 0);
  ASSERT_GT(last, first);
  EXPECT_EQ(document->textOfRuns(first, last + 2), "Первая строка\nВторая строка");
  document->setSelection(first, last);
  Bitmap bitmap = render(*document);
  Pixel highlighted = bitmap.pixel(second->box.left + 1, second->box.top + 1);
  EXPECT_NE(highlighted & 0xFFFFFF, 0xFFFFFFu);  // selected runs are highlighted
}

}  // namespace
}  // namespace tavra
