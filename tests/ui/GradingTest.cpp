// Grading: keys, counts, grade rule, report lines, and the submit button in the window.
#include "selftest/Grading.h"

#include "SelfTestFixture.h"

namespace tavra::test {
namespace {

using Lines = std::vector<std::string>;
using grading::Answers;

// Answers to variant `v` with exactly `right` of them right (the first ones).
Answers withRight(int v, int right) {
  Answers a = grading::kAnswerKeys[static_cast<size_t>(v)];
  for (int i = right; i < 10; ++i) a[static_cast<size_t>(i)] = (a[static_cast<size_t>(i)] + 1) % 5;
  return a;
}

TEST(Grading, GradeForEveryCountOfRightAnswers) {
  const double expected[11] = {2, 2, 2, 2, 2, 3, 3, 3, 4, 5, 5};
  for (int v = 0; v < 3; ++v) {
    for (int right = 0; right <= 10; ++right) {
      grading::Outcome o = grading::grade(withRight(v, right), v);
      EXPECT_EQ(o.right, right) << v;
      EXPECT_EQ(o.wrong, 10 - right);
      EXPECT_EQ(o.percent, right * 10);
      EXPECT_EQ(o.grade, expected[right]) << right << " right";
    }
  }
  EXPECT_EQ(grading::gradeForPercent(49.9), 2);
  EXPECT_EQ(grading::gradeForPercent(50), 3);
  EXPECT_EQ(grading::gradeForPercent(75), 4);
  EXPECT_EQ(grading::gradeForPercent(90), 5);
}

TEST(Grading, ReportLinesOfTheAllCorrectFirstVariant) {
  Answers a{0, 3, 2, 0, 3, 2, 3, 3, 2, 3};  // A D C A D C D D C D
  auto lines = grading::reportLines({"Иванов", "Пётр", "Сергеевич"}, grading::grade(a, 0));
  EXPECT_EQ(lines[0], "Иванов Пётр Сергеевич");
  EXPECT_EQ(lines[1], "Вы прошли проверочное тестирование");
  EXPECT_EQ(lines[2], "Ваша оценка: 5");
  EXPECT_EQ(lines[3], "Колличество правильных ответов: 10");
  EXPECT_EQ(lines[4], "Колличество неправильных ответов: 0");
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(lines[static_cast<size_t>(4 + n)], std::to_string(n) + " +");
  // The same answers under the second key: only questions 2 and 8 (both D) agree.
  grading::Outcome second = grading::grade(a, 1);
  EXPECT_EQ(second.right, 2);
  EXPECT_EQ(second.grade, 2);
  auto secondLines = grading::reportLines({"a", "b", "c"}, second);
  EXPECT_EQ(secondLines[5], "1 -");
  EXPECT_EQ(secondLines[6], "2 +");
  EXPECT_EQ(secondLines[12], "8 +");
}

TEST(Grading, VariantLinesAndNotices) {
  EXPECT_EQ(grading::variantLine(0), "Вариант I");
  EXPECT_EQ(grading::variantLine(1), "Вариант II");
  EXPECT_EQ(grading::variantLine(2), "Вариант III");
  EXPECT_EQ(grading::unansweredMessage(10), "Вы не ответили на 10 вопрос");
}

TEST(Grading, NamesAreJoinedWithSingleSpacesUntrimmed) {
  auto lines = grading::reportLines({" Иванов", "Пётр ", ""}, grading::grade(Answers{}, 2));
  EXPECT_EQ(lines[0], " Иванов Пётр  ");
}

TEST_F(SelfTest, SubmitGradesTheRecordUnderTheChosenVariant) {
  fillPersonalData();
  chooseVariant(0);
  answerAll({0, 3, 2, 0, 3, 2, 3, 3, 2, 3});
  driver.click(*form().f2b2);
  EXPECT_TRUE(driver.boxes.empty());
  auto labels = form().reportLabels();
  EXPECT_EQ(labels[0]->caption(), "Иванов Пётр Сергеевич");
  EXPECT_EQ(labels[2]->caption(), "Ваша оценка: 5");
  EXPECT_EQ(labels[3]->caption(), "Колличество правильных ответов: 10");
  EXPECT_EQ(labels[4]->caption(), "Колличество неправильных ответов: 0");
  EXPECT_EQ(labels[14]->caption(), "10 +");
  EXPECT_FALSE(form().f2b2->enabled());
  EXPECT_TRUE(form().f2b3->enabled());
}

TEST_F(SelfTest, TheVariantAtSubmittingDecides) {
  fillPersonalData();
  chooseVariant(0);
  Answers a{0, 3, 2, 0, 3, 2, 3, 3, 2, 3};
  answerAll(a);
  chooseVariant(1);
  driver.click(*form().f2b2);
  grading::Outcome expected = grading::grade(a, 1);
  auto labels = form().reportLabels();
  EXPECT_EQ(labels[3]->caption(), "Колличество правильных ответов: " + std::to_string(static_cast<int>(expected.right)));
  EXPECT_NE(expected.right, 10);
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(labels[static_cast<size_t>(4 + n)]->caption(),
              std::to_string(n) + (expected.correct[static_cast<size_t>(n - 1)] ? " +" : " -"));
  }
}

struct UnansweredCase {
  const char* name;
  std::vector<int> unanswered;  // questions 1 to 10
};

class Unanswered : public SelfTest, public ::testing::WithParamInterface<UnansweredCase> {};

TEST_P(Unanswered, QuestionsAreNamedInOrderAndNothingIsGraded) {
  fillPersonalData();
  chooseVariant(0);
  for (int q = 1; q <= 10; ++q) {
    const auto& skip = GetParam().unanswered;
    if (std::find(skip.begin(), skip.end(), q) != skip.end()) continue;
    chooseQuestion(q - 1);
    pickAnswer(1);
  }
  auto before = form().reportLabels()[2]->caption();
  driver.boxes.clear();
  driver.click(*form().f2b2);
  Lines expected;
  for (int q : GetParam().unanswered) expected.push_back("Вы не ответили на " + std::to_string(q) + " вопрос");
  EXPECT_EQ(boxTexts(), expected);
  for (const RecordedBox& b : driver.boxes) {
    EXPECT_EQ(b.caption, "Information");
    EXPECT_EQ(b.icon, MessageBoxIcon::Information);
  }
  EXPECT_EQ(form().reportLabels()[2]->caption(), before);
  EXPECT_TRUE(form().f2b2->enabled());
  EXPECT_FALSE(form().f2b3->enabled());
}

INSTANTIATE_TEST_SUITE_P(Table, Unanswered,
                         ::testing::Values(UnansweredCase{"Fourth", {4}}, UnansweredCase{"ThirdAndTenth", {3, 10}},
                                           UnansweredCase{"All", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tavra::test
