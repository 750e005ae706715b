// The parts of a page the layout corrections work on, found in one walk: tables after the
// tables inside them, each with the range of its cells, and the elements holding two blocks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/page/MasterStylesheet.h"
#include "platform/mhtml/MhtmlArchive.h"
#include "platform/page/PageContainer.h"
#include "platform/page/PageResources.h"
#include "platform/page/PageStructure.h"
#include "PageTestArchives.h"

namespace tavra {
namespace {

class ParsedPage {
 public:
  explicit ParsedPage(const std::string& html)
      : resources_(*MhtmlArchive::decode(testing_pages::wordArchive(html, {}))), container_(resources_) {
    context_.load_master_stylesheet(pageMasterStylesheet());
    document_ = litehtml::document::createFromUTF8(html.c_str(), &container_, &context_);
  }
  ~ParsedPage() { document_.reset(); }
  const litehtml::document::ptr& document() const { return document_; }

 private:
  PageResources resources_;
  PageContainer container_;
  litehtml::context context_;
  litehtml::document::ptr document_;
};

std::string idOf(const litehtml::element::ptr& el) {
  const char* id = el->get_attr("id");
  return id ? id : std::string("<") + el->get_tagName() + ">";
}

std::vector<std::string> idsOf(const std::vector<litehtml::element::ptr>& elements) {
  std::vector<std::string> ids;
  for (const auto& el : elements) ids.push_back(idOf(el));
  return ids;
}

TEST(PageStructure, FindsTablesInnerFirstWithTheirCellsAndTheParentsOfAdjoiningBlocks) {
  ParsedPage page(
      "<html><body>"
      "<div id=pair><p id=p1>one</p>text<p id=p2>two</p></div>"
      "<div id=single><p>alone</p><span>inline</span></div>"
      "<div id=hidden style='display:none'><p>1</p><p>2</p><table id=hiddenTable><tr><td id=h>h</td></tr></table></div>"
      "<table id=outer><tr><td id=c1><table id=inner><tr><td id=c2>a</td><td id=c3>b</td></tr></table></td>"
      "<td id=c4><div id=cellPair><p>x</p><p>y</p></div></td></tr></table>"
      "</body></html>");
  PageStructure structure(page.document());

  ASSERT_EQ(structure.tables().size(), 2u);
  const auto& inner = structure.tables()[0];
  const auto& outer = structure.tables()[1];
  EXPECT_EQ(idOf(inner.element), "inner");
  EXPECT_EQ(idOf(outer.element), "outer");
  EXPECT_EQ(idsOf(structure.cells()), (std::vector<std::string>{"c1", "c2", "c3", "c4"}));
  EXPECT_EQ(inner.firstCell, 1u);
  EXPECT_EQ(inner.endCell, 3u);
  EXPECT_EQ(outer.firstCell, 0u);
  EXPECT_EQ(outer.endCell, 4u);
  // The body holds three blocks in flow (the hidden one does not count); #single holds one.
  EXPECT_EQ(idsOf(structure.blockParents()), (std::vector<std::string>{"<body>", "pair", "cellPair"}));
}

TEST(PageStructure, OfNoDocumentIsEmpty) {
  PageStructure structure(litehtml::document::ptr{});
  EXPECT_TRUE(structure.tables().empty());
  EXPECT_TRUE(structure.cells().empty());
  EXPECT_TRUE(structure.blockParents().empty());
}

}  // namespace
}  // namespace tavra
