#pragma once
// The parts of a page's element tree that the layout corrections work on, found in one walk
// when the page has been read, so that each layout visits only them and not every word of the
// page: the tables, their cells, and the elements with two or more blocks in flow among their
// children. Parts inside hidden (display: none) elements are left out.
#include <litehtml/litehtml.h>

#include <cstddef>
#include <vector>

namespace tavra {

class PageStructure {
 public:
  struct Table {
    litehtml::element::ptr element;
    // The cells inside the table, nested tables' cells included: cells()[firstCell, endCell).
    size_t firstCell = 0;
    size_t endCell = 0;
  };

  PageStructure() = default;
  explicit PageStructure(const litehtml::document::ptr& document);

  // Tables (display table or inline-table), each after the tables inside it.
  const std::vector<Table>& tables() const { return tables_; }
  // Table cells in document order.
  const std::vector<litehtml::element::ptr>& cells() const { return cells_; }
  // Elements holding two or more blocks in flow, in document order.
  const std::vector<litehtml::element::ptr>& blockParents() const { return blockParents_; }

  // A block in the normal flow: its margins adjoin its siblings'.
  static bool isBlockInFlow(const litehtml::element::ptr& el);

 private:
  void visit(const litehtml::element::ptr& el, int depth);

  std::vector<Table> tables_;
  std::vector<litehtml::element::ptr> cells_;
  std::vector<litehtml::element::ptr> blockParents_;
};

}  // namespace tavra
