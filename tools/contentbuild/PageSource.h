#pragma once
// A page as an author writes it: a header block of "key: value" lines, a line "---", then the
// page body as an HTML fragment in UTF-8.
//
//   title: 1.1 Типы уравнений второго порядка
//   heading: no          (optional; "no" leaves out the <h1> with the title)
//   archive: single      (optional; a single-part archive, for pages without images)
//   ---
//   <p>…</p>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "contentbuild/MhtmlWriter.h"

namespace tavra::content {

struct PageSource {
  std::string title;
  bool heading = true;
  ArchiveLayout layout = ArchiveLayout::Multipart;
  std::string body;

  static Result<PageSource> parse(std::string_view text);
};

// Splits "key: value" header lines off a source; shared by pages and questions.
std::string_view trimBlanks(std::string_view text);

}  // namespace tavra::content
