#pragma once
// A test question as an author writes it, one field per line; a line that starts with a blank
// continues the field above; '#' starts a comment line. Texts may hold inline HTML (sub, sup, i).
//
//   question: Какого типа уравнение u<sub>xx</sub> − u<sub>yy</sub> = 0?
//   A: эллиптического
//   B: параболического
//   C: гиперболического
//   D: смешанного
//   E: тип зависит от точки
//   correct: C
#include <array>
#include <string>
#include <string_view>

#include "base/Result.h"

namespace tavra::content {

struct QuestionSource {
  static constexpr int kOptions = 5;
  std::string question;
  std::array<std::string, kOptions> options;
  int correct = -1;  // 0 to 4 for A to E

  static Result<QuestionSource> parse(std::string_view text);

  // The page body: the question and its options A to E (the correct option is not shown).
  std::string bodyHtml() const;
};

}  // namespace tavra::content
