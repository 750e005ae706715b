#include "platform/MarginCollapsing.h"

#include <litehtml/el_text.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tavra {
namespace {

constexpr const char* kOriginalMarginAttribute = "tavra-margin-top";

bool isBlockInFlow(const litehtml::element::ptr& el) {
  litehtml::style_display d = el->get_display();
  bool block = d == litehtml::display_block || d == litehtml::display_list_item || d == litehtml::display_table;
  return block && el->get_float() == litehtml::float_none && el->in_normal_flow();
}

bool collapseChildren(const litehtml::element::ptr& parent, int depth) {
  // Deeper than any page needs: the preprocessor already limits nesting.
  if (depth > 512) return false;
  bool changed = false;
  litehtml::element::ptr upper;
  for (size_t i = 0; i < parent->get_children_count(); ++i) {
    litehtml::element::ptr el = parent->get_child(static_cast<int>(i));
    if (!el || el->get_display() == litehtml::display_none) continue;
    if (dynamic_cast<litehtml::el_text*>(el.get())) {
      if (!el->is_white_space()) upper.reset();  // text between them: not adjoining
      continue;
    }
    if (!isBlockInFlow(el)) {
      if (el->in_normal_flow() && el->get_float() == litehtml::float_none) upper.reset();
      changed |= collapseChildren(el, depth + 1);
      continue;
    }
    if (upper) {
      litehtml::margins padding = upper->get_paddings();
      litehtml::margins borders = upper->get_borders();
      int upperMargin = upper->margin_bottom();
      // The block's own top margin, as it was before an earlier layout changed it.
      const char* original = el->get_attr(kOriginalMarginAttribute);
      int lowerMargin = original ? std::atoi(original) : el->margin_top();
      if (padding.bottom + borders.bottom > 0 && upperMargin > 0 && lowerMargin > 0) {
        int wanted = std::max(0, lowerMargin - upperMargin);
        if (wanted != el->margin_top()) {
          if (!original) el->set_attr(kOriginalMarginAttribute, std::to_string(lowerMargin).c_str());
          el->add_style("margin-top: " + std::to_string(wanted) + "px", "");
          el->parse_styles(true);
          changed = true;
        }
      }
    }
    changed |= collapseChildren(el, depth + 1);
    upper = el;
  }
  return changed;
}

}  // namespace

bool collapseSiblingMargins(const litehtml::document::ptr& document) {
  if (!document || !document->root()) return false;
  return collapseChildren(document->root(), 0);
}

}  // namespace tavra
