#pragma once
// Which page each request of the main window opens: a node's own page, the chapter pages of the
// examples, tasks and self-check buttons, and the appendix table. Paths are the stored
// relative paths of the content store.
#include <optional>
#include <string>

namespace tavra::navigation {

// The textbook page of a node (absolute index 0 to 34).
std::string nodePage(int index);

enum class ChapterPage { Examples, Tasks, Questions };
// The chapter page of the node's chapter; none outside every chapter range.
std::optional<std::string> chapterPage(int index, ChapterPage which);

// The appendix page of a node; none for nodes without one.
std::optional<std::string> appendixPage(int index);

}  // namespace tavra::navigation
