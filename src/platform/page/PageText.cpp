#include "platform/page/PageText.h"

#include <litehtml/el_text.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "base/Text.h"

namespace tavra {
namespace {

bool isInlineDisplay(litehtml::style_display d) {
  return d == litehtml::display_inline || d == litehtml::display_inline_block || d == litehtml::display_inline_table ||
         d == litehtml::display_inline_text;
}

void dropTrailingBlanks(std::string& s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
}

// A paragraph boundary: one newline, however many blocks open or close there.
void endParagraph(std::string& pending) {
  dropTrailingBlanks(pending);
  if (pending.empty() || pending.back() != '\n') pending += '\n';
}

bool verticallyOverlap(const Rect& a, const Rect& b) { return a.top < b.bottom && b.top < a.bottom; }

// Distance from x to the span [left, right).
int horizontalDistance(const Rect& r, int x) {
  if (x < r.left) return r.left - x;
  if (x >= r.right) return x - r.right + 1;
  return 0;
}

}  // namespace

PageText::PageText(const litehtml::document::ptr& document) {
  if (!document) return;
  std::string pending;
  collect(document->root(), pending);
  groupLines();
}

void PageText::collect(const litehtml::element::ptr& element, std::string& pending) {
  if (!element || element->get_display() == litehtml::display_none) return;
  if (auto* text = dynamic_cast<litehtml::el_text*>(element.get())) {
    std::string content;
    text->get_text(content);
    bool blank = trimmed(content).empty();
    litehtml::position p = element->get_placement();
    if (element->skip() || p.width <= 0 || p.height <= 0) {
      // Spaces the layout dropped at a line's end or start still separate words.
      if (blank && !content.empty() && pending.empty()) pending = " ";
      return;
    }
    if (blank) content.assign(1, ' ');
    runs_.push_back({Rect::fromSize(p.x, p.y, p.width, p.height), std::move(content), std::move(pending), 0, element.get(),
                     text->get_font()});
    pending.clear();
    return;
  }
  if (element->is_break()) {
    dropTrailingBlanks(pending);
    pending += '\n';
    return;
  }
  litehtml::style_display display = element->get_display();
  bool block = !isInlineDisplay(display);
  if (display == litehtml::display_table_cell) {
    // Cells of one row are separated by tabs; the row's start has already ended the line.
    if (pending.find('\n') == std::string::npos) pending = "\t";
  } else if (block) {
    endParagraph(pending);
  }
  for (size_t i = 0; i < element->get_children_count(); ++i) collect(element->get_child(static_cast<int>(i)), pending);
  if (block && display != litehtml::display_table_cell) endParagraph(pending);
}

// A line: consecutive runs with no hard break between them, each beside the one before it.
void PageText::groupLines() {
  lines_.clear();
  for (size_t i = 0; i < runs_.size(); ++i) {
    Run& run = runs_[i];
    bool continues = false;
    if (!lines_.empty()) {
      const Run& previous = runs_[i - 1];
      bool hardBreak = run.separator.find_first_of("\n\t") != std::string::npos;
      continues = !hardBreak && verticallyOverlap(run.box, previous.box) && run.box.left >= previous.box.left;
    }
    if (continues) {
      Line& line = lines_.back();
      line.lastRun = static_cast<int>(i);
      line.box = line.box.united(run.box);
    } else {
      lines_.push_back({static_cast<int>(i), static_cast<int>(i), run.box});
    }
    run.line = static_cast<int>(lines_.size()) - 1;
  }
}

int PageText::runUnder(Point p) const {
  for (size_t i = 0; i < runs_.size(); ++i) {
    if (runs_[i].box.contains(p)) return static_cast<int>(i);
  }
  return -1;
}

// The line a point belongs to: among the lines level with it, the one under it or nearest
// beside it; otherwise the nearest line above (-1 when the point is above every line).
int PageText::lineAt(Point p) const {
  int level = -1;
  int levelDistance = std::numeric_limits<int>::max();
  int above = -1;
  for (size_t i = 0; i < lines_.size(); ++i) {
    const Rect& box = lines_[i].box;
    if (box.top <= p.y && p.y < box.bottom) {
      int distance = horizontalDistance(box, p.x);
      // Beside two lines at once (table columns), the one the pointer has passed wins.
      if (distance < levelDistance || (distance == levelDistance && box.right <= p.x)) {
        level = static_cast<int>(i);
        levelDistance = distance;
      }
    } else if (box.bottom <= p.y) {
      if (above < 0 || box.bottom > lines_[static_cast<size_t>(above)].box.bottom ||
          (box.bottom == lines_[static_cast<size_t>(above)].box.bottom && box.left <= p.x)) {
        above = static_cast<int>(i);
      }
    }
  }
  return level >= 0 ? level : above;
}

int PageText::runAt(Point p) const {
  if (runs_.empty()) return -1;
  if (int under = runUnder(p); under >= 0) return under;
  int lineIndex = lineAt(p);
  if (lineIndex < 0) return 0;
  const Line& line = lines_[static_cast<size_t>(lineIndex)];
  if (!(line.box.top <= p.y && p.y < line.box.bottom)) return line.lastRun;  // in a gap below it
  if (p.x < line.box.left) return line.firstRun;
  // Within or after the line: the last run that starts before the point.
  int found = line.firstRun;
  for (int i = line.firstRun; i <= line.lastRun; ++i) {
    if (runs_[static_cast<size_t>(i)].box.left <= p.x) found = i;
  }
  return found;
}

std::string PageText::textOf(int first, int last) const {
  if (runs_.empty()) return {};
  if (first > last) std::swap(first, last);
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(runs_.size()) - 1);
  std::string out;
  for (int i = first; i <= last; ++i) {
    const Run& run = runs_[static_cast<size_t>(i)];
    if (i > first) {
      if (run.separator.find('\n') != std::string::npos) dropTrailingBlanks(out);
      if (run.separator == " " && !out.empty() && out.back() == ' ') {
        // A space already ends the text.
      } else {
        out += run.separator;
      }
    }
    if (run.text == " " && !out.empty() && (out.back() == ' ' || out.back() == '\n' || out.back() == '\t')) continue;
    out += run.text;
  }
  return out;
}

}  // namespace tavra
