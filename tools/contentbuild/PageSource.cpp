#include "contentbuild/PageSource.h"

namespace tavra::content {

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

Result<PageSource> PageSource::parse(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  PageSource page;
  bool haveTitle = false;
  std::size_t start = 0;
  int lineNumber = 0;
  for (;;) {
    if (start >= text.size()) return Error{"the header block must end with a line \"---\""};
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    const std::string_view line = trimBlanks(text.substr(start, end - start));
    start = end + 1;
    if (line == "---") break;
    if (line.empty() || line.front() == '#') continue;
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
      return Error{"line " + std::to_string(lineNumber) + ": \"key: value\" expected in the header block"};
    }
    const std::string_view key = trimBlanks(line.substr(0, colon));
    const std::string_view value = trimBlanks(line.substr(colon + 1));
    if (key == "title") {
      page.title = std::string(value);
      haveTitle = true;
    } else if (key == "heading") {
      if (value != "yes" && value != "no") return Error{"heading must be yes or no"};
      page.heading = value == "yes";
    } else if (key == "archive") {
      if (value == "single") page.layout = ArchiveLayout::SinglePart;
      else if (value == "multipart") page.layout = ArchiveLayout::Multipart;
      else return Error{"archive must be single or multipart"};
    } else {
      return Error{"line " + std::to_string(lineNumber) + ": unknown header key \"" + std::string(key) + "\""};
    }
  }
  if (!haveTitle || page.title.empty()) return Error{"the header block has no title"};
  page.body = std::string(text.substr(std::min(start, text.size())));
  return page;
}

}  // namespace tavra::content
