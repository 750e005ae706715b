#include "platform/page/MarginCollapsing.h"

#include <litehtml/el_text.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace tavra {
namespace {

constexpr const char* kOriginalMarginAttribute = "tavra-margin-top";

// The block children of `parent` that follow another with only white space between them.
bool collapseChildren(const litehtml::element::ptr& parent) {
  bool changed = false;
  litehtml::element::ptr upper;
  for (size_t i = 0; i < parent->get_children_count(); ++i) {
    litehtml::element::ptr el = parent->get_child(static_cast<int>(i));
    if (!el || el->get_display() == litehtml::display_none) continue;
    if (dynamic_cast<litehtml::el_text*>(el.get())) {
      if (!el->is_white_space()) upper.reset();  // text between them: not adjoining
      continue;
    }
    if (!PageStructure::isBlockInFlow(el)) {
      if (el->in_normal_flow() && el->get_float() == litehtml::float_none) upper.reset();
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
    upper = el;
  }
  return changed;
}

}  // namespace

bool collapseSiblingMargins(const PageStructure& structure) {
  bool changed = false;
  for (const litehtml::element::ptr& parent : structure.blockParents()) changed |= collapseChildren(parent);
  return changed;
}

}  // namespace tavra
