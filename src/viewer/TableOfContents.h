#pragma once
// The table of contents: 35 nodes in a fixed order (their absolute indices), each with its depth,
// picture and exact text (trailing blanks included), and the four chapter ranges.
#include <array>
#include <string_view>

namespace tavra {
class TTreeNodes;
}

namespace tavra::toc {

struct Entry {
  int depth;
  int image;  // index into the tree's image list; -1: none
  std::string_view text;
};

constexpr int kNodeCount = 35;
extern const std::array<Entry, kNodeCount> kEntries;

struct ChapterRange {
  int first;
  int last;
};
// Chapters 1 to 4 by absolute index.
extern const std::array<ChapterRange, 4> kChapters;

// Builds the tree from the table, every node collapsed: a node's parent is the nearest node
// above it with a smaller depth. The selected picture is 0 for every node but node 0.
void fill(TTreeNodes& nodes);
// The chapter (1 to 4) whose range holds an absolute index, or 0 for none.
int chapterOf(int index);

}  // namespace tavra::toc
