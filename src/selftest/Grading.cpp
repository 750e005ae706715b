#include "selftest/Grading.h"

#include <cassert>

#include "base/NumberText.h"

namespace tavra::grading {

const std::array<Answers, kVariants> kAnswerKeys = {{
    {0, 3, 2, 0, 3, 2, 3, 3, 2, 3},  // A D C A D C D D C D
    {3, 3, 4, 2, 2, 1, 2, 3, 4, 2},  // D D E C C B C D E C
    {4, 2, 3, 3, 2, 0, 0, 0, 1, 0},  // E C D D C A A A B A
}};

double gradeForPercent(double percent) {
  if (percent < 50) return 2;
  if (percent < 75) return 3;
  if (percent < 90) return 4;
  return 5;
}

Outcome grade(const Answers& answers, int variant) {
  assert(variant >= 0 && variant < kVariants);
  const Answers& key = kAnswerKeys[static_cast<size_t>(variant)];
  Outcome o;
  for (size_t i = 0; i < kQuestions; ++i) {
    o.correct[i] = answers[i] == key[i];
    if (o.correct[i]) o.right += 1;
    else o.wrong += 1;
  }
  o.percent = o.right * 10;
  o.grade = gradeForPercent(o.percent);
  return o;
}

std::array<std::string, kReportLines> reportLines(const PersonalData& p, const Outcome& o) {
  std::array<std::string, kReportLines> lines;
  lines[0] = p.surname + " " + p.name + " " + p.patronymic;
  lines[1] = "Вы прошли проверочное тестирование";
  lines[2] = "Ваша оценка: " + floatToText(o.grade);
  lines[3] = "Колличество правильных ответов: " + floatToText(o.right);
  lines[4] = "Колличество неправильных ответов: " + floatToText(o.wrong);
  for (int n = 1; n <= kQuestions; ++n) {
    lines[static_cast<size_t>(4 + n)] = std::to_string(n) + (o.correct[static_cast<size_t>(n - 1)] ? " +" : " -");
  }
  return lines;
}

std::string unansweredMessage(int question) { return "Вы не ответили на " + std::to_string(question) + " вопрос"; }

std::string variantLine(int variant) {
  static const char* const kRoman[kVariants] = {"I", "II", "III"};
  assert(variant >= 0 && variant < kVariants);
  return std::string("Вариант ") + kRoman[variant];
}

}  // namespace tavra::grading
