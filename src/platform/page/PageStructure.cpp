#include "platform/page/PageStructure.h"


namespace tavra {
namespace {

// Deeper than any page needs: the preprocessor already limits nesting.
constexpr int kMaxDepth = 512;

}  // namespace

PageStructure::PageStructure(const litehtml::document::ptr& document) {
  if (document && document->root()) visit(document->root(), 0);
  std::erase(blockParents_, nullptr);
}

bool PageStructure::isBlockInFlow(const litehtml::element::ptr& el) {
  litehtml::style_display d = el->get_display();
  bool block = d == litehtml::display_block || d == litehtml::display_list_item || d == litehtml::display_table;
  return block && el->get_float() == litehtml::float_none && el->in_normal_flow();
}

void PageStructure::visit(const litehtml::element::ptr& el, int depth) {
  if (!el || depth > kMaxDepth) return;
  litehtml::style_display display = el->get_display();
  if (display == litehtml::display_none || display == litehtml::display_inline_text) return;
  bool table = display == litehtml::display_table || display == litehtml::display_inline_table;
  if (display == litehtml::display_table_cell) cells_.push_back(el);
  // Kept below only if it turns out to hold two blocks.
  size_t parentAt = blockParents_.size();
  blockParents_.push_back(el);
  size_t firstCell = cells_.size();
  int blocks = 0;
  size_t count = el->get_children_count();
  for (size_t i = 0; i < count; ++i) {
    litehtml::element::ptr child = el->get_child(static_cast<int>(i));
    if (!child) continue;
    litehtml::style_display d = child->get_display();
    if (d == litehtml::display_inline_text || d == litehtml::display_none) continue;
    if (isBlockInFlow(child)) ++blocks;
    visit(child, depth + 1);
  }
  if (blocks < 2) blockParents_[parentAt].reset();
  if (table) tables_.push_back(Table{el, firstCell, cells_.size()});
}

}  // namespace tavra
