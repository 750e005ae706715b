#include "platform/CellWidths.h"

#include <cstdlib>
#include <string>

namespace tavra {
namespace {

constexpr const char* kOriginalWidthAttribute = "tavra-width";

bool widen(const litehtml::element::ptr& el, int depth) {
  if (!el || depth > 512 || el->get_display() == litehtml::display_none) return false;
  bool changed = false;
  bool table = el->get_display() == litehtml::display_table || el->get_display() == litehtml::display_inline_table;
  if (el->get_display() == litehtml::display_table_cell) {
    litehtml::css_length width = el->get_css_width();
    const char* original = el->get_attr(kOriginalWidthAttribute);
    if (original && !*original) original = nullptr;  // the column sharing gave the width back
    if (original || (!width.is_predefined() && width.units() == litehtml::css_units_px)) {
      float content = original ? static_cast<float>(std::atof(original)) : width.val();
      litehtml::margins padding = el->get_paddings();
      litehtml::margins borders = el->get_borders();
      float wanted = content + static_cast<float>(padding.left + padding.right + borders.left + borders.right);
      if (wanted != width.val()) {
        if (!original) el->set_attr(kOriginalWidthAttribute, std::to_string(content).c_str());
        litehtml::css_length widened;
        widened.set_value(wanted, litehtml::css_units_px);
        el->set_css_width(widened);
        changed = true;
      }
    }
  }
  bool cellsChanged = false;
  for (size_t i = 0; i < el->get_children_count(); ++i) cellsChanged |= widen(el->get_child(static_cast<int>(i)), depth + 1);
  // A table reads its cells' widths into its column grid when it is built: build it again.
  if (table && cellsChanged) el->init();
  return changed || cellsChanged;
}

}  // namespace

bool widenPaddedCells(const litehtml::document::ptr& document) {
  if (!document || !document->root()) return false;
  return widen(document->root(), 0);
}

}  // namespace tavra
