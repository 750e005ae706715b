#include "contentbuild/QuestionSource.h"

#include "contentbuild/PageSource.h"

namespace tavra::content {
namespace {
constexpr const char* kLetters[] = {"A", "B", "C", "D", "E"};
}

Result<QuestionSource> QuestionSource::parse(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  QuestionSource q;
  std::string* current = nullptr;
  std::array<bool, kOptions> seen{};
  bool haveQuestion = false;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    std::string_view raw = text.substr(start, end - start);
    start = end + 1;
    const std::string_view line = trimBlanks(raw);
    if (line.empty() || line.front() == '#') continue;
    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    if (raw.front() == ' ' || raw.front() == '\t') {
      if (!current) return Error{where + "a continuation line before any field"};
      *current += " ";
      *current += line;
      continue;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return Error{where + "\"field: text\" expected"};
    const std::string_view key = trimBlanks(line.substr(0, colon));
    const std::string value(trimBlanks(line.substr(colon + 1)));
    current = nullptr;
    if (key == "question") {
      if (haveQuestion) return Error{where + "a second question"};
      q.question = value;
      haveQuestion = true;
      current = &q.question;
    } else if (key == "correct") {
      if (q.correct >= 0) return Error{where + "a second correct answer"};
      for (int k = 0; k < kOptions; ++k) {
        if (value == kLetters[k]) q.correct = k;
      }
      if (q.correct < 0) return Error{where + "correct must be one of A, B, C, D, E"};
    } else if (key.size() == 1 && key[0] >= 'A' && key[0] <= 'E') {
      const int k = key[0] - 'A';
      if (seen[static_cast<std::size_t>(k)]) return Error{where + "option " + std::string(key) + " given twice"};
      seen[static_cast<std::size_t>(k)] = true;
      q.options[static_cast<std::size_t>(k)] = value;
      current = &q.options[static_cast<std::size_t>(k)];
    } else {
      return Error{where + "unknown field \"" + std::string(key) + "\""};
    }
  }
  if (!haveQuestion || q.question.empty()) return Error{"the question text is missing"};
  for (int k = 0; k < kOptions; ++k) {
    if (!seen[static_cast<std::size_t>(k)] || q.options[static_cast<std::size_t>(k)].empty()) {
      return Error{std::string("option ") + kLetters[k] + " is missing"};
    }
  }
  if (q.correct < 0) return Error{"the correct answer is missing"};
  return q;
}

std::string QuestionSource::bodyHtml() const {
  std::string html = "<p class=\"question\">" + question + "</p>\n";
  html += "<table class=\"options\">\n";
  for (int k = 0; k < kOptions; ++k) {
    html += "<tr class=\"option\"><td class=\"letter\">" + std::string(kLetters[k]) + "</td><td>" +
            options[static_cast<std::size_t>(k)] + "</td></tr>\n";
  }
  html += "</table>\n";
  html += "<p class=\"note\">Выберите ответ в группе «Варианты ответов» над окном вопроса.</p>\n";
  return html;
}

}  // namespace tavra::content
