#pragma once
// The text of a laid-out page as the reader sees it: its words and spaces in reading order with
// their boxes, grouped into lines, and what separates each from the one before it in the
// source (nothing, a space, a real line break or a paragraph end, a table cell). Selection hits
// and copied text come from here: a point in a margin or a gap selects up to the nearest line's
// end, and copying joins lines that were wrapped only for lack of room.
#include <litehtml/litehtml.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"

namespace tavra {

class PageText {
 public:
  struct Run {
    Rect box;
    std::string text;
    // What comes before this run when it is not the first one taken: "", " ", "\t" or "\n"s.
    std::string separator;
    int line = 0;
    // The layout engine's element the run comes from (the same across layouts) and its font.
    const void* element = nullptr;
    std::uintptr_t font = 0;
  };
  struct Line {
    int firstRun = 0;
    int lastRun = 0;
    Rect box;  // the union of its runs' boxes
  };

  // Collects the runs of a rendered document (empty for none).
  explicit PageText(const litehtml::document::ptr& document);
  PageText() = default;

  const std::vector<Run>& runs() const { return runs_; }
  const std::vector<Line>& lines() const { return lines_; }

  // The run a selection reaches at a document point: the run under it; on a line but beside
  // its words, the line's nearest end; in a gap or a margin, the end of the nearest line above
  // (the first run when there is none). -1 when the page has no text.
  int runAt(Point p) const;
  // The run exactly under a point, or -1.
  int runUnder(Point p) const;
  // Runs first..last (either order) as plain text: wrapped lines joined, real breaks and
  // paragraph ends as newlines, table cells separated by tabs.
  std::string textOf(int first, int last) const;

 private:
  void collect(const litehtml::element::ptr& element, std::string& pending);
  void groupLines();
  int lineAt(Point p) const;

  std::vector<Run> runs_;
  std::vector<Line> lines_;
};

}  // namespace tavra
