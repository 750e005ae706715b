// The authoring formats: page headers, question files, figure files and their expressions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "content/PngInfo.h"
#include "contentbuild/Expression.h"
#include "contentbuild/FigureRenderer.h"
#include "contentbuild/FigureSource.h"
#include "contentbuild/PageSource.h"
#include "contentbuild/QuestionSource.h"

namespace tavra::test {
namespace {

using namespace tavra::content;

TEST(PageSourceFormat, ReadsHeaderAndBody) {
  auto page = PageSource::parse("\xEF\xBB\xBFtitle: 2.1 Постановка\nheading: no\narchive: single\n---\n<p>x</p>\n");
  ASSERT_TRUE(page.ok()) << page.error();
  EXPECT_EQ(page->title, "2.1 Постановка");
  EXPECT_FALSE(page->heading);
  EXPECT_EQ(page->layout, ArchiveLayout::SinglePart);
  EXPECT_EQ(page->body, "<p>x</p>\n");
}

TEST(PageSourceFormat, RejectsBadHeaders) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"<p>no header</p>", "key: value"},
      {"title: x\n<p>never closed</p>\n", "key: value"},
      {"title: x\n", "---"},
      {"heading: no\n---\n", "no title"},
      {"title: x\nauthor: me\n---\n", "unknown header key"},
      {"title: x\narchive: zip\n---\n", "single or multipart"},
      {"title: x\nheading: maybe\n---\n", "yes or no"},
  };
  for (const auto& c : cases) {
    auto page = PageSource::parse(c.text);
    ASSERT_FALSE(page.ok()) << c.text;
    EXPECT_NE(page.error().find(c.error), std::string::npos) << c.text << " -> " << page.error();
  }
}

TEST(QuestionFormat, ReadsFieldsAndContinuationLines) {
  auto q = QuestionSource::parse(
      "# comment\nquestion: Первая строка\n  вторая строка\nA: a\nB: b\nC: c\nD: d\nE: e\n   продолжение\ncorrect: D\n");
  ASSERT_TRUE(q.ok()) << q.error();
  EXPECT_EQ(q->question, "Первая строка вторая строка");
  EXPECT_EQ(q->options[4], "e продолжение");
  EXPECT_EQ(q->correct, 3);
  const std::string html = q->bodyHtml();
  EXPECT_EQ(html.find("correct"), std::string::npos);
  EXPECT_NE(html.find("<td class=\"letter\">E</td><td>e продолжение</td>"), std::string::npos);
}

TEST(QuestionFormat, RejectsIncompleteQuestions) {
  const std::string options = "A: a\nB: b\nC: c\nD: d\nE: e\n";
  const struct {
    std::string text;
    const char* error;
  } cases[] = {
      {options + "correct: A\n", "question text is missing"},
      {"question: q\nA: a\nB: b\nC: c\nD: d\ncorrect: A\n", "option E is missing"},
      {"question: q\n" + options, "correct answer is missing"},
      {"question: q\n" + options + "correct: F\n", "one of A, B, C, D, E"},
      {"question: q\n" + options + "A: again\ncorrect: A\n", "given twice"},
      {"question: q\n" + options + "hint: no\ncorrect: A\n", "unknown field"},
      {"  starts indented\n", "continuation line"},
  };
  for (const auto& c : cases) {
    auto q = QuestionSource::parse(c.text);
    ASSERT_FALSE(q.ok()) << c.text;
    EXPECT_NE(q.error().find(c.error), std::string::npos) << c.text << " -> " << q.error();
  }
}

TEST(FigureExpression, Evaluates) {
  const struct {
    const char* text;
    double x;
    double expected;
  } cases[] = {
      {"1 + 2 * 3", 0, 7},
      {"-x^2", 3, -9},
      {"2^3^2", 0, 512},
      {"(1 + x) / 4", 3, 1},
      {"sin(pi*x)", 0.5, 1},
      {"exp(-x) * cos(0)", 0, 1},
      {"max(x, 2) - min(x, 2)", 5, 3},
      {"step(x) + sign(-x)", 1, 0},
      {"J(0, 2.404825557695773)", 0, 0},
      {"J(1, -x)", 1, -0.44005058574493355},
      {"1.5e2 + .5", 0, 150.5},
  };
  for (const auto& c : cases) {
    auto e = Expression::parse(c.text);
    ASSERT_TRUE(e.ok()) << c.text << ": " << e.error();
    EXPECT_NEAR(e->evaluate({{"x", c.x}}), c.expected, 1e-9) << c.text;
  }
  auto unknownVariable = Expression::parse("t + 1");
  ASSERT_TRUE(unknownVariable.ok());
  EXPECT_TRUE(std::isnan(unknownVariable->evaluate({})));
}

TEST(FigureExpression, RejectsMalformedText) {
  const std::string deep = std::string(60, '(') + "1" + std::string(60, ')');
  for (const std::string& text : {std::string("1 +"), std::string("sin x"), std::string("foo(1)"),
                                  std::string("(1"), std::string("J(1)"), std::string("2 $ 3"), deep,
                                  std::string(1200, '1')}) {
    EXPECT_FALSE(Expression::parse(text).ok()) << text;
  }
}

TEST(FigureFormat, RendersAPngOfTheGivenSize) {
  auto spec = FigureSource::parse(
      "size 200 120\nx 0 pi \"<i>x</i>\"\ny -1 1\nxticks 0 \"0\" pi/2 \"π/2\" pi \"π\"\nyticks 0.5\ngrid\n"
      "plot \"sin(x)*a\" a=1 label=\"sin\" at=1\ncurve \"cos(s)\" \"sin(s)\" from=0 to=3\n"
      "polygon 0 0 1 0 1 1 fill=#ff0000\narrow 0 0 1 0.5 dash\npoint 1 1 label=\"P\" anchor=sw\ntext 2 0.5 \"t\"\n");
  ASSERT_TRUE(spec.ok()) << spec.error();
  EXPECT_EQ(spec->x.ticks.size(), 3u);
  EXPECT_NEAR(spec->x.ticks[1].first, std::numbers::pi / 2, 1e-12);
  EXPECT_EQ(spec->items.size(), 6u);
  EXPECT_EQ(spec->items[0].variables.at("a"), 1);
  auto png = FigureRenderer::renderPng(*spec);
  ASSERT_TRUE(png.ok()) << png.error();
  const auto info = readPngInfo(*png);
  ASSERT_TRUE(info.has_value());
  EXPECT_EQ(info->width, 200u);
  EXPECT_EQ(info->height, 120u);
}

TEST(FigureFormat, MapOverADiskRenders) {
  auto spec = FigureSource::parse("size 120 120\nequal\nx -1.2 1.2\ny -1.2 1.2\nmap \"J(1,3.8317*r)*cos(phi)\" disk\n");
  ASSERT_TRUE(spec.ok()) << spec.error();
  EXPECT_TRUE(spec->map.disk);
  EXPECT_TRUE(FigureRenderer::renderPng(*spec).ok());
}

TEST(FigureFormat, ReportsTheFaultyLine) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"size 10 10\n", "line 1: size must be"},
      {"x 0 1\ny 0 1\nplot sin(x)\n", "line 3: plot: a quoted expression expected"},
      {"x 0 1\ny 0 1\nline 0 0 1\n", "line 3: line needs 4 numbers"},
      {"x 0 1\ny 0 1\npolygon 0 0 1 1\n", "at least three points"},
      {"x 0 1\ny 0 1\nplot \"x\" color=red\n", "#rrggbb"},
      {"x 0 1\ny 0 1\ntext 0 0 \"unterminated\n", "unterminated"},
      {"x 1 0\n", "bad range"},
      {"x 0 1\ny 0 1\nwiggle\n", "unknown command"},
      {"x 0 1\ny 0 1\nxticks 0.001\n", "more than 100 ticks"},
      {"x 0 1\ny 0 1\npoint 0 0 anchor=up\n", "anchor must be"},
  };
  for (const auto& c : cases) {
    auto spec = FigureSource::parse(c.text);
    ASSERT_FALSE(spec.ok()) << c.text;
    EXPECT_NE(spec.error().find(c.error), std::string::npos) << c.text << " -> " << spec.error();
  }
  // Bad pango markup in a label is caught when drawing.
  auto spec = FigureSource::parse("x 0 1\ny 0 1\npoint 0 0 label=\"<i>x\"\n");
  ASSERT_TRUE(spec.ok());
  EXPECT_FALSE(FigureRenderer::renderPng(*spec).ok());
}

}  // namespace
}  // namespace tavra::test
