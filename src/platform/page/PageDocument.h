#pragma once
// One page ready to show: its archive, the layout engine's document built over our container,
// and what a viewer control needs: layout at a width, drawing the visible part, anchors, links,
// and text runs for selection. Built and used on the GUI thread (the layout engine and pango
// are not thread-safe); the decoding before it (loadPage) may run elsewhere.
//
// Coordinates are document coordinates: (0, 0) is the top-left corner of the page.
#include <litehtml/litehtml.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Canvas.h"
#include "platform/page/PageContainer.h"
#include "platform/page/PageLoader.h"
#include "platform/page/PageResources.h"
#include "platform/page/PageSearch.h"
#include "platform/page/PageStructure.h"
#include "platform/page/PageText.h"

namespace tavra {

class PageDocument {
 public:
  explicit PageDocument(LoadedPage page);
  ~PageDocument();
  PageDocument(const PageDocument&) = delete;
  PageDocument& operator=(const PageDocument&) = delete;

  // loadPage and the document in one step.
  static std::unique_ptr<PageDocument> open(const std::string& path);

  PageStatus status() const { return status_; }
  const std::string& path() const { return path_; }
  const std::string& filePath() const { return filePath_; }
  const std::string& title() const { return container_->caption(); }
  // The URL the page's links resolve against.
  const std::string& baseUrl() const { return container_->baseUrl(); }

  // Lays the page out for a view of this size; a call with the same width only updates the
  // view height. Must come before the calls below.
  void layout(int width, int viewHeight);
  int layoutWidth() const { return layoutWidth_; }
  // The laid-out page: at least the layout width wide, as tall as its content.
  int width() const;
  int height() const;

  // Draws the part of the page seen through `clip` (canvas coordinates) with the page's
  // top-left corner at canvas point -scroll, enlarged by `scale` (scroll is in scaled pixels);
  // the background is white where the page has none.
  void draw(Canvas& canvas, const Rect& clip, Point scroll, double scale = 1.0);

  // The y of the element named `name` (an <a name> or any id), if the page has one.
  std::optional<int> anchorY(std::string_view name) const;

  // What following a link means for the viewer.
  struct Link {
    enum class Kind { None, Anchor, Page, External };
    Kind kind = Kind::None;
    std::string url;       // absolute
    std::string path;      // Page: the local file (with its actual letter case when it exists)
    std::string fragment;  // Anchor, and Page when the link names one
  };
  // The link at a document point (Kind::None when there is none).
  Link linkAt(Point p) const;
  // An href of this page as a link: anchors of this page, local pages (relative links that
  // point into the archive's original folder are also tried beside the archive file), and
  // everything else (http:, mailto:) for the shell.
  Link linkFor(std::string_view href) const;
  // The raw href of the link at a document point, or empty.
  std::string hrefAt(Point p) const;

  // Text selection: the page's words and spaces in reading order with their boxes.
  using TextRun = PageText::Run;
  const std::vector<TextRun>& textRuns() { return text().runs(); }
  const PageText& text();
  // The run a selection reaches at a point (see PageText::runAt); -1 if the page has no text.
  int runAt(Point p) { return text().runAt(p); }
  std::string textOfRuns(int first, int last) { return text().textOf(first, last); }
  // Runs first..last (either order) are drawn highlighted; -1 clears.
  void setSelection(int first, int last);

  // Finding: the page's matches of a query, the boxes of one (a box per run it covers), and
  // the boxes drawn marked, the current match's stronger (page coordinates; empty clears).
  std::vector<PageSearch::Match> find(std::string_view query) { return PageSearch::find(text(), query); }
  std::vector<Rect> boxesOf(const PageSearch::Match& match);
  void setFindMarks(std::vector<Rect> all, std::vector<Rect> current);

  size_t cachedTextWidths() const { return container_->fonts().cachedWidthCount(); }

 private:
  void drawSelection(cairo_t* cr, const Rect& clip, Point scroll);

  PageStatus status_;
  std::string path_;
  std::string filePath_;
  std::unique_ptr<PageResources> resources_;
  std::unique_ptr<PageContainer> container_;
  litehtml::document::ptr document_;
  PageStructure structure_;  // parts of document_ the layout corrections work on
  int layoutWidth_ = 0;
  PageText text_;
  bool textValid_ = false;
  int selectionFirst_ = -1;
  int selectionLast_ = -1;
  std::vector<Rect> findMarks_;
  std::vector<Rect> currentFindMarks_;
};

}  // namespace tavra
