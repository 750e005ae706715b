#include "platform/page/TableColumns.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace tavra {
namespace {

constexpr const char* kMinAttribute = "tavra-min";
constexpr const char* kMaxAttribute = "tavra-max";
constexpr const char* kSharedAttribute = "tavra-shared";
constexpr const char* kContentWidthAttribute = "tavra-width";  // read by the padding correction
constexpr int kUnbounded = 1 << 20;
constexpr size_t kMaxColumns = 64;

bool isDisplay(const litehtml::element::ptr& el, litehtml::style_display d) { return el && el->get_display() == d; }

// The rows of a table (through its row groups) and their cells.
std::vector<std::vector<litehtml::element::ptr>> tableRows(const litehtml::element::ptr& table) {
  std::vector<std::vector<litehtml::element::ptr>> rows;
  auto addRow = [&rows](const litehtml::element::ptr& row) {
    std::vector<litehtml::element::ptr> cells;
    for (size_t i = 0; i < row->get_children_count(); ++i) {
      litehtml::element::ptr cell = row->get_child(static_cast<int>(i));
      if (isDisplay(cell, litehtml::display_table_cell)) cells.push_back(cell);
    }
    rows.push_back(std::move(cells));
  };
  for (size_t i = 0; i < table->get_children_count(); ++i) {
    litehtml::element::ptr child = table->get_child(static_cast<int>(i));
    if (isDisplay(child, litehtml::display_table_row)) {
      addRow(child);
    } else if (child && (child->get_display() == litehtml::display_table_row_group ||
                         child->get_display() == litehtml::display_table_header_group ||
                         child->get_display() == litehtml::display_table_footer_group)) {
      for (size_t k = 0; k < child->get_children_count(); ++k) {
        litehtml::element::ptr row = child->get_child(static_cast<int>(k));
        if (isDisplay(row, litehtml::display_table_row)) addRow(row);
      }
    }
  }
  return rows;
}

bool isShared(const litehtml::element::ptr& cell) {
  const char* v = cell->get_attr(kSharedAttribute);
  return v && std::string(v) == "1";
}

bool spans(const litehtml::element::ptr& cell) {
  for (const char* name : {"colspan", "rowspan"}) {
    const char* v = cell->get_attr(name);
    if (v && std::atoi(v) > 1) return true;
  }
  return false;
}

// Measures a cell's narrowest and widest width (border box) once and keeps them.
void measure(const litehtml::element::ptr& cell) {
  if (cell->get_attr(kMinAttribute) && cell->get_attr(kMaxAttribute)) return;
  int narrowest = cell->render(0, 0, 1);
  int widest = std::max(cell->render(0, 0, kUnbounded), narrowest);
  cell->set_attr(kMinAttribute, std::to_string(narrowest).c_str());
  cell->set_attr(kMaxAttribute, std::to_string(widest).c_str());
}

// The widths `measure` kept, or false when the cell has none.
bool contentWidths(const litehtml::element::ptr& cell, int& narrowest, int& widest) {
  const char* min = cell->get_attr(kMinAttribute);
  const char* max = cell->get_attr(kMaxAttribute);
  if (!min || !max) return false;
  narrowest = std::atoi(min);
  widest = std::atoi(max);
  return true;
}

bool shareColumns(const litehtml::element::ptr& table) {
  if (!table->get_css_width().is_predefined() || !table->parent()) return false;
  auto rows = tableRows(table);
  size_t columns = 0;
  for (const auto& row : rows) columns = std::max(columns, row.size());
  if (rows.empty() || columns < 2 || columns > kMaxColumns) return false;
  for (const auto& row : rows) {
    for (const auto& cell : row) {
      // Widths the page gives, and spanning cells, are the layout engine's to handle.
      bool ours = cell->get_attr(kSharedAttribute) != nullptr;  // shared now or before
      if (spans(cell) || (!ours && !cell->get_css_width().is_predefined())) return false;
    }
  }
  // The room: the parent's content width less the table's frame and the spacing between cells.
  litehtml::margins padding = table->get_paddings();
  litehtml::margins borders = table->get_borders();
  int spacing = 0;
  const char* collapse = table->get_style_property("border-collapse", true, "separate");
  if (!collapse || std::string(collapse) != "collapse") {
    const char* s = table->get_style_property("-litehtml-border-spacing-x", true, "2px");
    spacing = s ? std::max(0, std::atoi(s)) : 2;
  }
  int room = table->parent()->get_placement().width - table->margin_left() - table->margin_right() - padding.left -
             padding.right - borders.left - borders.right;
  room -= spacing * static_cast<int>(columns + 1);
  bool shared = false;
  for (const auto& row : rows) {
    for (const auto& cell : row) shared |= isShared(cell);
  }
  std::vector<int> minimum(columns, 0);
  std::vector<int> maximum(columns, 0);
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      int narrowest = 0;
      int widest = 0;
      if (!contentWidths(row[c], narrowest, widest)) return false;
      minimum[c] = std::max(minimum[c], narrowest);
      maximum[c] = std::max(maximum[c], widest);
    }
  }
  long sumMin = 0;
  long sumMax = 0;
  for (size_t c = 0; c < columns; ++c) {
    sumMin += minimum[c];
    sumMax += maximum[c];
  }
  if (sumMax <= room || sumMin >= room || sumMax <= sumMin) {
    // Nothing to share (any more): the cells go back to sizing themselves.
    if (shared) {
      for (const auto& row : rows) {
        for (const auto& cell : row) {
          litehtml::css_length automatic;
          automatic.predef(0);
          cell->set_css_width(automatic);
          cell->set_attr(kSharedAttribute, "0");
          cell->set_attr(kContentWidthAttribute, "");
        }
      }
      table->init();
    }
    return shared;
  }
  std::vector<int> widths(columns);
  long given = 0;
  for (size_t c = 0; c < columns; ++c) {
    widths[c] = minimum[c] + static_cast<int>((static_cast<long>(maximum[c] - minimum[c]) * (room - sumMin)) / (sumMax - sumMin));
    given += widths[c];
  }
  widths.back() += static_cast<int>(room - given);  // what rounding left over
  bool changed = false;
  for (const auto& row : rows) {
    for (size_t c = 0; c < row.size(); ++c) {
      const litehtml::element::ptr& cell = row[c];
      litehtml::margins p = cell->get_paddings();
      litehtml::margins b = cell->get_borders();
      int content = std::max(0, widths[c] - p.left - p.right - b.left - b.right);
      const char* previous = cell->get_attr(kContentWidthAttribute);
      if (previous && std::atoi(previous) == content && isShared(cell)) continue;
      cell->set_attr(kSharedAttribute, "1");
      cell->set_attr(kContentWidthAttribute, std::to_string(content).c_str());
      litehtml::css_length width;
      width.set_value(static_cast<float>(content), litehtml::css_units_px);
      cell->set_css_width(width);
      changed = true;
    }
  }
  // The table reads its cells' widths into its column grid when it is built: build it again.
  if (changed) table->init();
  return changed;
}

}  // namespace

void measureTableColumns(const PageStructure& structure) {
  for (const PageStructure::Table& table : structure.tables()) {
    if (!isDisplay(table.element, litehtml::display_table)) continue;
    for (const auto& row : tableRows(table.element)) {
      for (const auto& cell : row) measure(cell);
    }
  }
}

bool shareTableColumns(const PageStructure& structure) {
  bool changed = false;
  for (const PageStructure::Table& table : structure.tables()) {
    if (isDisplay(table.element, litehtml::display_table)) changed |= shareColumns(table.element);
  }
  return changed;
}

}  // namespace tavra
