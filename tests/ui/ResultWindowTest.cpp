// The result window: opening with the report, the countdown, pause and resume, closing.
#include "SelfTestFixture.h"

#include "gfx/Canvas.h"

namespace tavra::test {
namespace {

class ResultWindowTest : public SelfTest {
 protected:
  // A graded test under variant `v`, then "Посмотреть результат".
  void gradeAndView(int v, const std::array<int, 10>& answers, const std::string& surname = "Иванов") {
    fillPersonalData(surname);
    chooseVariant(v);
    answerAll(answers);
    driver.click(*form().f2b2);
    ASSERT_TRUE(form().f2b3->enabled());
    driver.click(*form().f2b3);
  }
  std::string countdown() { return result().sl2->caption(); }
};

TEST_F(ResultWindowTest, OpensWithTheVariantTheReportAndTen) {
  gradeAndView(1, {3, 3, 4, 2, 2, 1, 2, 3, 4, 0});
  EXPECT_TRUE(result().visible());
  EXPECT_FALSE(form().visible());
  EXPECT_EQ(result().sl1->caption(), "Вариант II");
  EXPECT_EQ(countdown(), "10");
  auto from = form().reportLabels();
  auto to = result().reportLabels();
  for (size_t i = 0; i < 15; ++i) EXPECT_EQ(to[i]->caption(), from[i]->caption()) << i;
  EXPECT_EQ(to[2]->caption(), "Ваша оценка: 5");
  EXPECT_EQ(to[14]->caption(), "10 -");
  EXPECT_EQ(result().Label16->caption(), result().sl2->hint());
}

// "Окно закроется через:" sizes itself to its text (and its shadow); only the countdown keeps the
// size it was given.
TEST_F(ResultWindowTest, OnlyTheCountdownHasAFixedSize) {
  ResultWindow& r = result();
  EXPECT_TRUE(r.sLabelFX1->autoSize());
  EXPECT_EQ(r.sLabelFX1->boundsRect().topLeft(), (Point{184, 32}));
  Bitmap scratch(1, 1);
  Canvas canvas(scratch);
  canvas.setFont(r.sLabelFX1->font());
  Rect text{0, 0, 0, 0};
  canvas.drawText(r.sLabelFX1->caption(), text, DT_EXPANDTABS | DT_CALCRECT);
  // Blur 4 and distance 1 add 8 pixels each way.
  EXPECT_EQ(r.sLabelFX1->boundsRect().size(), (Size{text.width() + 8, text.height() + 8}));
  EXPECT_FALSE(r.sl2->autoSize());
  EXPECT_EQ(r.sl2->boundsRect(), Rect::fromSize(376, 24, 36, 39));
}

TEST_F(ResultWindowTest, CountsDownEverySecondAndReturnsAtZero) {
  gradeAndView(0, {0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  std::vector<std::string> seen{countdown()};
  for (int i = 0; i < 10; ++i) {
    driver.advance(999);
    EXPECT_EQ(countdown(), seen.back()) << "not before the second is over";
    driver.advance(1);
    seen.push_back(countdown());
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"10", "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"}));
  EXPECT_FALSE(result().visible());
  EXPECT_TRUE(mainWindow().visible());
  EXPECT_FALSE(result().t5->enabled());
}

TEST_F(ResultWindowTest, ClickHoldsDoubleClickContinues) {
  gradeAndView(0, {0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  driver.advance(6000);
  ASSERT_EQ(countdown(), "4");
  driver.click(*result().sl2);
  driver.advance(30000);
  EXPECT_EQ(countdown(), "4");
  EXPECT_TRUE(result().visible());
  driver.doubleClick(*result().sl2);
  EXPECT_EQ(countdown(), "4");
  driver.advance(1000);
  EXPECT_EQ(countdown(), "3");
  driver.advance(3000);
  EXPECT_TRUE(mainWindow().visible());
}

TEST_F(ResultWindowTest, CloseBoxReturnsAtOnce) {
  gradeAndView(0, {0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  driver.advance(4000);
  ASSERT_EQ(countdown(), "6");
  driver.clickCloseBox(result());
  EXPECT_FALSE(result().visible());
  EXPECT_TRUE(mainWindow().visible());
  EXPECT_FALSE(result().t5->enabled());
  EXPECT_FALSE(driver.ended());
  driver.advance(10000);
  EXPECT_EQ(countdown(), "6");
}

TEST_F(ResultWindowTest, SecondTestOpensAfreshWithItsOwnLines) {
  gradeAndView(0, {0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  driver.advance(3000);
  driver.clickCloseBox(result());
  openTesting();
  gradeAndView(2, {4, 2, 3, 3, 2, 0, 0, 0, 0, 0}, "Петров");
  EXPECT_EQ(countdown(), "10");
  EXPECT_TRUE(result().t5->enabled());
  EXPECT_EQ(result().sl1->caption(), "Вариант III");
  EXPECT_EQ(result().Label1->caption(), "Петров Пётр Сергеевич");
  EXPECT_EQ(result().Label3->caption(), "Ваша оценка: 5");
  EXPECT_EQ(result().Label5->caption(), "Колличество неправильных ответов: 1");
  EXPECT_EQ(result().Label14->caption(), "9 -");
}

}  // namespace
}  // namespace tavra::test
