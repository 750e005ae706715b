#include "platform/page/PageDocument.h"

#include <litehtml/el_text.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "base/Files.h"
#include "base/Text.h"
#include "platform/page/CellWidths.h"
#include "platform/page/HtmlPreprocessor.h"
#include "platform/page/MarginCollapsing.h"
#include "platform/page/MasterStylesheet.h"
#include "platform/page/TableColumns.h"
#include "platform/mhtml/Url.h"

namespace tavra {
namespace {

// The engine's context holds the parsed master style sheet; parsed once, GUI thread only.
litehtml::context& pageContext() {
  static litehtml::context context = [] {
    litehtml::context c;
    c.load_master_stylesheet(pageMasterStylesheet());
    return c;
  }();
  return context;
}

template <typename Visit>
void forEachElement(const litehtml::element::ptr& el, Visit&& visit) {
  if (!el) return;
  if (!visit(el)) return;
  for (size_t i = 0; i < el->get_children_count(); ++i) forEachElement(el->get_child(static_cast<int>(i)), visit);
}

bool isDisplayed(const litehtml::element::ptr& el) {
  for (litehtml::element::ptr e = el; e; e = e->parent()) {
    if (e->get_display() == litehtml::display_none || e->skip()) return false;
  }
  return true;
}

}  // namespace

PageDocument::PageDocument(LoadedPage page)
    : status_(page.status), path_(std::move(page.path)), filePath_(std::move(page.filePath)) {
  resources_ = std::make_unique<PageResources>(std::move(page.archive));
  container_ = std::make_unique<PageContainer>(*resources_);
  std::string html = preprocessPageHtml(resources_->archive().html());
  document_ = litehtml::document::createFromUTF8(html.c_str(), container_.get(), &pageContext());
  structure_ = PageStructure(document_);
}

PageDocument::~PageDocument() {
  // The document refers to the container and must go first.
  structure_ = PageStructure();
  document_.reset();
}

std::unique_ptr<PageDocument> PageDocument::open(const std::string& path) {
  return std::make_unique<PageDocument>(loadPage(path));
}

void PageDocument::layout(int width, int viewHeight) {
  width = std::max(1, width);
  container_->setViewport({width, std::max(1, viewHeight)});
  if (width == layoutWidth_ || !document_) return;
  layoutWidth_ = width;
  findMarks_.clear();
  currentFindMarks_.clear();
  document_->media_changed();
  measureTableColumns(structure_);
  document_->render(width);
  // Corrections that need the first layout's sizes; a second layout applies them.
  bool corrected = collapseSiblingMargins(structure_);
  corrected |= shareTableColumns(structure_);
  corrected |= widenPaddedCells(structure_);
  if (corrected) document_->render(width);
  textValid_ = false;
}

int PageDocument::width() const { return document_ ? std::max(layoutWidth_, document_->width()) : layoutWidth_; }

int PageDocument::height() const { return document_ ? document_->height() : 0; }

void PageDocument::draw(Canvas& canvas, const Rect& clip, Point scroll, double scale) {
  cairo_t* cr = canvas.cairo();
  if (!cr || clip.isEmpty() || scale <= 0) return;
  cairo_save(cr);
  cairo_rectangle(cr, clip.left, clip.top, clip.width(), clip.height());
  cairo_clip(cr);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  // Page coordinates from here on: the clip and the scroll position divided by the scale.
  cairo_scale(cr, scale, scale);
  Rect pageClip{static_cast<int>(std::floor(clip.left / scale)), static_cast<int>(std::floor(clip.top / scale)),
                static_cast<int>(std::ceil(clip.right / scale)), static_cast<int>(std::ceil(clip.bottom / scale))};
  Point pageScroll{static_cast<int>(std::lround(scroll.x / scale)), static_cast<int>(std::lround(scroll.y / scale))};
  if (scale != 1.0) cairo_translate(cr, pageScroll.x - scroll.x / scale, pageScroll.y - scroll.y / scale);
  if (document_) {
    litehtml::position clipPos(pageClip.left, pageClip.top, pageClip.width(), pageClip.height());
    document_->draw(reinterpret_cast<litehtml::uint_ptr>(cr), -pageScroll.x, -pageScroll.y, &clipPos);
  }
  if (selectionFirst_ >= 0 && textValid_) drawSelection(cr, pageClip, pageScroll);
  auto mark = [&](const std::vector<Rect>& boxes, double r, double g, double b, double a) {
    if (boxes.empty()) return;
    cairo_set_source_rgba(cr, r, g, b, a);
    for (const Rect& box : boxes) {
      Rect m = box.offsetBy(-pageScroll.x, -pageScroll.y);
      if (m.intersects(pageClip)) cairo_rectangle(cr, m.left, m.top, m.width(), m.height());
    }
    cairo_fill(cr);
  };
  mark(findMarks_, 1.0, 0.85, 0.0, 0.45);
  mark(currentFindMarks_, 1.0, 0.45, 0.0, 0.55);
  cairo_restore(cr);
}

std::vector<Rect> PageDocument::boxesOf(const PageSearch::Match& match) {
  std::vector<Rect> boxes;
  const auto& runs = text().runs();
  for (const PageSearch::Piece& piece : match.pieces) {
    if (piece.run < 0 || piece.run >= static_cast<int>(runs.size())) continue;
    const PageText::Run& run = runs[static_cast<size_t>(piece.run)];
    std::string_view whole = run.text;
    PageFonts& fonts = container_->fonts();
    int left = piece.from == 0 ? 0 : fonts.textWidth(run.font, whole.substr(0, piece.from));
    int right = piece.to >= whole.size() ? run.box.width() : fonts.textWidth(run.font, whole.substr(0, piece.to));
    boxes.push_back(Rect{run.box.left + left, run.box.top, run.box.left + std::max(right, left + 1), run.box.bottom});
  }
  return boxes;
}

void PageDocument::setFindMarks(std::vector<Rect> all, std::vector<Rect> current) {
  findMarks_ = std::move(all);
  currentFindMarks_ = std::move(current);
}

// The selection: a translucent highlight over the selected part of each line, as tall as the
// line, so that words, spaces and raised or lowered text read as one band.
void PageDocument::drawSelection(cairo_t* cr, const Rect& clip, Point scroll) {
  const auto& runs = text_.runs();
  const auto& lines = text_.lines();
  int last = std::min(selectionLast_, static_cast<int>(runs.size()) - 1);
  if (selectionFirst_ > last) return;
  cairo_set_source_rgba(cr, 0.2, 0.4, 0.85, 0.35);
  int firstLine = runs[static_cast<size_t>(selectionFirst_)].line;
  int lastLine = runs[static_cast<size_t>(last)].line;
  for (int l = firstLine; l <= lastLine; ++l) {
    const PageText::Line& line = lines[static_cast<size_t>(l)];
    int from = std::max(line.firstRun, selectionFirst_);
    int to = std::min(line.lastRun, last);
    Rect band = runs[static_cast<size_t>(from)].box;
    for (int i = from; i <= to; ++i) band = band.united(runs[static_cast<size_t>(i)].box);
    band.top = line.box.top;
    band.bottom = line.box.bottom;
    Rect r = band.offsetBy(-scroll.x, -scroll.y);
    if (r.intersects(clip)) cairo_rectangle(cr, r.left, r.top, r.width(), r.height());
  }
  cairo_fill(cr);
}

std::optional<int> PageDocument::anchorY(std::string_view name) const {
  if (!document_ || name.empty()) return std::nullopt;
  litehtml::element::ptr exact;
  litehtml::element::ptr caseless;
  forEachElement(document_->root(), [&](const litehtml::element::ptr& el) {
    if (exact) return false;
    for (const char* attribute : {"id", "name"}) {
      const char* value = el->get_attr(attribute);
      if (!value) continue;
      if (name == value) {
        exact = el;
        return false;
      }
      if (!caseless && equalsIgnoreCase(name, value)) caseless = el;
    }
    return true;
  });
  litehtml::element::ptr target = exact ? exact : caseless;
  if (!target) return std::nullopt;
  // Inline elements have no box of their own: use the first box of their content, or the
  // nearest following element that has one.
  litehtml::position placement = target->get_placement();
  if (!target->is_inline_box() && target->get_display() != litehtml::display_inline) return placement.y;
  litehtml::position::vector boxes;
  target->get_inline_boxes(boxes);
  if (!boxes.empty()) {
    litehtml::element::ptr parent = target->parent();
    int parentY = parent ? parent->get_placement().y : 0;
    return parentY + boxes.front().y;
  }
  std::optional<int> y;
  bool passed = false;
  forEachElement(document_->root(), [&](const litehtml::element::ptr& el) {
    if (y) return false;
    if (el == target) {
      passed = true;
      return true;
    }
    if (passed && el->get_children_count() == 0 && isDisplayed(el)) {
      litehtml::position p = el->get_placement();
      if (p.height > 0) y = p.y;
    }
    return true;
  });
  return y ? y : std::optional<int>(placement.y);
}

std::string PageDocument::hrefAt(Point p) const {
  if (!document_) return {};
  litehtml::element::ptr el = document_->root()->get_element_by_point(p.x, p.y, p.x, p.y);
  for (; el; el = el->parent()) {
    const char* tag = el->get_tagName();
    if (tag && std::strcmp(tag, "a") == 0) {
      const char* href = el->get_attr("href");
      if (href && !trimmed(href).empty()) return std::string(trimmed(href));
    }
  }
  return {};
}

PageDocument::Link PageDocument::linkAt(Point p) const { return linkFor(hrefAt(p)); }

PageDocument::Link PageDocument::linkFor(std::string_view href) const {
  Link link;
  href = trimmed(href);
  if (href.empty()) return link;
  link.url = resolveUrl(baseUrl(), href);
  link.fragment = std::string(urlFragment(link.url));
  std::string scheme = urlScheme(link.url);
  std::string pageKey = urlMatchKey(urlWithoutFragment(link.url));
  std::string ownFile = filePath_.empty() ? std::string() : fileUrlFromPath(filePath_);
  if (href.front() == '#' || pageKey == urlMatchKey(baseUrl()) || (!ownFile.empty() && pageKey == urlMatchKey(ownFile))) {
    link.kind = Link::Kind::Anchor;
    return link;
  }
  if (scheme == "javascript" || scheme == "about") return link;
  if (scheme != "file") {
    link.kind = Link::Kind::External;
    return link;
  }
  link.kind = Link::Kind::Page;
  link.path = pathFromFileUrl(link.url);
  std::string found = findPathIgnoringCase(link.path);
  if (found.empty() && !ownFile.empty() && urlScheme(href).empty()) {
    // The archive's own location is where it was saved (file:///C:/…): a relative link means
    // a page beside the archive file here, missing or not.
    std::string beside = pathFromFileUrl(resolveUrl(ownFile, href));
    found = findPathIgnoringCase(beside);
    if (found.empty()) found = beside;
  }
  if (!found.empty()) link.path = found;
  if (!filePath_.empty() && link.path == filePath_) link.kind = Link::Kind::Anchor;  // this very page
  return link;
}

const PageText& PageDocument::text() {
  if (!textValid_) {
    text_ = PageText(document_);
    textValid_ = true;
  }
  return text_;
}

void PageDocument::setSelection(int first, int last) {
  if (first < 0 || last < 0) {
    selectionFirst_ = selectionLast_ = -1;
    return;
  }
  text();
  selectionFirst_ = std::min(first, last);
  selectionLast_ = std::max(first, last);
}

}  // namespace tavra
