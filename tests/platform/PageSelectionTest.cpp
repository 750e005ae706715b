// Selecting and copying a page's text: where a drag into a margin or a gap ends, what is
// highlighted, and the copied text (wrapped lines joined, real breaks and paragraphs kept).
#include <gtest/gtest.h>

#include <string>

#include "PageTestArchives.h"
#include "gfx/Canvas.h"
#include "platform/page/PageDocument.h"

namespace tavra {
namespace {

using testing_pages::wordArchive;

std::unique_ptr<PageDocument> page(const std::string& html, int width = 400) {
  auto archive = MhtmlArchive::decode(wordArchive(html, {}));
  EXPECT_TRUE(archive.ok());
  LoadedPage loaded;
  loaded.path = "selection.mht";
  loaded.status = PageStatus::Loaded;
  loaded.archive = std::move(*archive);
  auto document = std::make_unique<PageDocument>(std::move(loaded));
  document->layout(width, 300);
  return document;
}

int runIndex(PageDocument& document, std::string_view text, int occurrence = 0) {
  const auto& runs = document.textRuns();
  for (size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].text == text && occurrence-- == 0) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no run " << text;
  return -1;
}

Point middle(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

const char* kStyle = "<style>body { margin: 10px; font: 16px 'Times New Roman'; } p { margin: 0 0 10px 0; }</style>";

TEST(PageSelection, ADragIntoTheRightMarginOrAGapEndsAtTheNearestLinesEnd) {
  auto document = page(std::string(kStyle) +
                       "<p>Альфа бета гамма дельта эпсилон дзета эта тэта йота каппа лямбда мю ню кси омикрон пи ро "
                       "сигма тау ипсилон фи хи пси омега</p><p>Второй абзац</p>\n<p>Третий абзац, последний</p>\n");
  const auto& runs = document->textRuns();
  const auto& lines = document->text().lines();
  ASSERT_GE(lines.size(), 4u) << "the first paragraph wraps";
  int from = runIndex(*document, "бета");
  const PageText::Line& first = lines[0];
  const PageText::Line& second = lines[1];
  // Right of the first line, level with it, and far to the right of the page's text.
  int reached = document->runAt({395, middle(first.box).y});
  EXPECT_EQ(reached, first.lastRun);
  EXPECT_EQ(document->textOfRuns(from, reached).find('\n'), std::string::npos);
  EXPECT_EQ(document->runAt({395, middle(second.box).y}), second.lastRun);
  // In the gap under the first paragraph: its end, not the end of the page.
  int lastOfParagraph = runIndex(*document, "омега");
  const Rect& paragraphEnd = runs[static_cast<size_t>(lastOfParagraph)].box;
  EXPECT_EQ(document->runAt({200, paragraphEnd.bottom + 4}), lastOfParagraph);
  EXPECT_EQ(document->runAt({5, paragraphEnd.bottom + 4}), lastOfParagraph);
  // Left of a line: its first word; above all text: the first run.
  int second_paragraph = runIndex(*document, "Второй");
  EXPECT_EQ(document->runAt({2, middle(runs[static_cast<size_t>(second_paragraph)].box).y}), second_paragraph);
  EXPECT_EQ(document->runAt({200, 2}), 0);
  // Below the last line: the last word.
  EXPECT_EQ(runs[static_cast<size_t>(document->runAt({200, document->height() - 1}))].text, "последний");
}

TEST(PageSelection, OnlyTheSelectedLinesAreHighlighted) {
  auto document = page(std::string(kStyle) + "<ul>\n<li>Первый пункт</li>\n<li>Второй пункт</li>\n<li>Третий пункт</li>\n</ul>\n");
  int from = runIndex(*document, "Второй");
  int to = runIndex(*document, "пункт", 1);
  Rect band = document->textRuns()[static_cast<size_t>(from)].box.united(document->textRuns()[static_cast<size_t>(to)].box);
  Bitmap plain(document->width(), document->height());
  {
    Canvas canvas(plain);
    document->draw(canvas, plain.bounds(), {});
  }
  document->setSelection(from, to);
  Bitmap selected(document->width(), document->height());
  {
    Canvas canvas(selected);
    document->draw(canvas, selected.bounds(), {});
  }
  int changedInside = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.pixel(x, y) == selected.pixel(x, y)) continue;
      bool inside = band.contains(Point{x, y});
      if (inside) {
        ++changedInside;
      } else {
        ADD_FAILURE() << "highlight outside the selected line at " << x << "," << y;
        return;
      }
    }
  }
  EXPECT_GT(changedInside, band.width() * band.height() * 9 / 10) << "the whole selected line is highlighted";
  EXPECT_EQ(document->textOfRuns(from, to), "Второй пункт");
}

TEST(PageSelection, CopiedTextJoinsWrappedLinesAndKeepsRealBreaks) {
  struct Case {
    const char* html;
    const char* text;
  };
  const Case cases[] = {
      {"<p>Слово слово слово слово слово слово слово слово слово слово слово слово слово слово конец</p>",
       "Слово слово слово слово слово слово слово слово слово слово слово слово слово слово конец"},
      {"<p>Одна строка<br>другая строка</p>", "Одна строка\nдругая строка"},
      {"<p>Строка<br><br>после пустой</p>", "Строка\n\nпосле пустой"},
      {"<p>Первый абзац</p><p>Второй абзац</p><div><div>Вложенный</div></div>", "Первый абзац\nВторой абзац\nВложенный"},
      {"<ul><li>Пункт один</li><li>Пункт два</li></ul>", "Пункт один\nПункт два"},
      {"<table><tr><td>a1</td><td>b1</td></tr><tr><td>a2</td><td>b2</td></tr></table>", "a1\tb1\na2\tb2"},
      {"<p><i>f</i><sub>1</sub>, <i>u</i><sub><i>xx</i></sub> = 0</p>", "f1, uxx = 0"},
  };
  for (const Case& c : cases) {
    auto document = page(std::string(kStyle) + c.html, 160);
    int n = static_cast<int>(document->textRuns().size());
    EXPECT_EQ(document->textOfRuns(0, n - 1), c.text) << c.html;
  }
  // The first case really wraps at this width.
  auto wrapped = page(std::string(kStyle) + cases[0].html, 160);
  EXPECT_GE(wrapped->text().lines().size(), 3u);
}

TEST(PageSearch, CaseAndYoAreIgnoredAndMatchesCrossWordsAndScripts) {
  struct Case {
    const char* query;
    int count;
  };
  auto document = page(std::string(kStyle) +
                       "<p>Ёлка, ЕЛКА и елка; ПОДСТРОКА в слове; Пётр ПЕТР петр.</p><p>Два слова</p><p><i>u</i><sub>xx</sub> и uxx</p>");
  const Case cases[] = {{"ёлка", 3}, {"ЕЛКА", 3}, {"Елка", 3}, {"стро", 1}, {"пётр", 3}, {"ПЁТР", 3},
                        {"слова два", 0}, {"два  слова", 1}, {"uxx", 2}, {"", 0}, {"   ", 0}, {"xyz", 0}};
  for (const Case& c : cases) EXPECT_EQ(document->find(c.query).size(), static_cast<size_t>(c.count)) << c.query;
  // A match inside a word covers only its letters.
  auto inWord = document->find("стро");
  ASSERT_EQ(inWord.size(), 1u);
  std::vector<Rect> boxes = document->boxesOf(inWord[0]);
  ASSERT_EQ(boxes.size(), 1u);
  Rect word = document->textRuns()[static_cast<size_t>(inWord[0].pieces[0].run)].box;
  EXPECT_GT(boxes[0].left, word.left + 10);
  EXPECT_LT(boxes[0].right, word.right - 10);
  EXPECT_EQ(boxes[0].top, word.top);
  // Across two words: a box for each.
  auto across = document->find("два слова");
  ASSERT_EQ(across.size(), 1u);
  EXPECT_EQ(document->boxesOf(across[0]).size(), 2u);
  EXPECT_EQ(PageSearch::fold("ЁЖИК Ёж ёж ABC"), "ежик еж еж abc");
}

}  // namespace
}  // namespace tavra
