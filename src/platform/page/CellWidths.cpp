#include "platform/page/CellWidths.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavra {
namespace {

constexpr const char* kOriginalWidthAttribute = "tavra-width";

// Adds the cell's padding and borders to a width in pixels it was given; true when it changed.
bool widen(const litehtml::element::ptr& cell) {
  litehtml::css_length width = cell->get_css_width();
  const char* original = cell->get_attr(kOriginalWidthAttribute);
  if (original && !*original) original = nullptr;  // the column sharing gave the width back
  if (!original && (width.is_predefined() || width.units() != litehtml::css_units_px)) return false;
  float content = original ? static_cast<float>(std::atof(original)) : width.val();
  litehtml::margins padding = cell->get_paddings();
  litehtml::margins borders = cell->get_borders();
  float wanted = content + static_cast<float>(padding.left + padding.right + borders.left + borders.right);
  if (wanted == width.val()) return false;
  if (!original) cell->set_attr(kOriginalWidthAttribute, std::to_string(content).c_str());
  litehtml::css_length widened;
  widened.set_value(wanted, litehtml::css_units_px);
  cell->set_css_width(widened);
  return true;
}

}  // namespace

bool widenPaddedCells(const PageStructure& structure) {
  const auto& cells = structure.cells();
  std::vector<bool> widened(cells.size(), false);
  bool changed = false;
  for (size_t i = 0; i < cells.size(); ++i) {
    widened[i] = widen(cells[i]);
    changed |= widened[i];
  }
  if (!changed) return false;
  // A table reads its cells' widths into its column grid when it is built: build again each
  // table holding a widened cell, inner tables first.
  for (const PageStructure::Table& table : structure.tables()) {
    auto first = widened.begin() + static_cast<std::ptrdiff_t>(table.firstCell);
    auto end = widened.begin() + static_cast<std::ptrdiff_t>(table.endCell);
    if (std::find(first, end, true) != end) table.element->init();
  }
  return true;
}

}  // namespace tavra
