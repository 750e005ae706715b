#include "viewer/Navigation.h"

#include <array>
#include <type_traits>

#include "program/ContentPaths.h"
#include "viewer/TableOfContents.h"

namespace tavra::navigation {
namespace {

// Nodes first to last have row i's page: the i-th page of "pril\", in the store's order.
struct AppendixRow {
  int first;
  int last;
};

const std::array<AppendixRow, 9> kAppendices = {{{9, 10}, {11, 11}, {17, 18}, {19, 19}, {20, 20}, {21, 22}, {23, 23}, {25, 26}, {32, 32}}};
static_assert(std::tuple_size_v<decltype(kAppendices)> == std::tuple_size_v<std::remove_const_t<decltype(content::kAppendixPages)>>);

}  // namespace

std::string nodePage(int index) { return content::tocPage(index); }

std::optional<std::string> chapterPage(int index, ChapterPage which) {
  int chapter = toc::chapterOf(index);
  if (chapter == 0) return std::nullopt;
  switch (which) {
    case ChapterPage::Examples: return content::examplesPage(chapter);
    case ChapterPage::Tasks: return content::tasksPage(chapter);
    case ChapterPage::Questions: return content::questionsPage(chapter);
  }
  return std::nullopt;
}

std::optional<std::string> appendixPage(int index) {
  for (size_t i = 0; i < kAppendices.size(); ++i) {
    if (index >= kAppendices[i].first && index <= kAppendices[i].last) return content::appendixPage(content::kAppendixPages[i]);
  }
  return std::nullopt;
}

}  // namespace tavra::navigation
