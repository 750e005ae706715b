#pragma once
// Grading of the self-test: the answer keys of the three variants, the counts of right and
// wrong answers, the grade on the 2-to-5 scale, and the fifteen lines of the result report.
#include <array>
#include <string>

namespace tavra::grading {

constexpr int kQuestions = 10;
constexpr int kVariants = 3;
constexpr int kReportLines = 15;
// Answer codes: A = 0, B = 1, C = 2, D = 3, E = 4; −1 is no answer.
constexpr int kNoAnswer = -1;

using Answers = std::array<int, kQuestions>;

// The key of each variant (index 0 to 2).
extern const std::array<Answers, kVariants> kAnswerKeys;

struct Outcome {
  double right = 0;
  double wrong = 0;
  double percent = 0;
  double grade = 0;
  std::array<bool, kQuestions> correct{};
};

// Grades a complete record under variant 0 to 2.
Outcome grade(const Answers& answers, int variant);
// 2 below 50 %, 3 below 75 %, 4 below 90 %, else 5.
double gradeForPercent(double percent);

struct PersonalData {
  std::string surname;
  std::string name;
  std::string patronymic;
};

// The captions of Label1 to Label15.
std::array<std::string, kReportLines> reportLines(const PersonalData& person, const Outcome& outcome);

// The notice of an unanswered question (1 to 10).
std::string unansweredMessage(int question);
// "Вариант I", "Вариант II", "Вариант III" for variant 0 to 2.
std::string variantLine(int variant);

}  // namespace tavra::grading
