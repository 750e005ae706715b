#pragma once
// Column widths of tables that size themselves, as a browser shares the room out: when the
// widest content of the columns does not fit, each column gets its narrowest width plus a share
// of what is left in proportion to how much wider it could be. The layout engine shares by
// other rules (a glossary's term column came out 260 px wide where a browser gives it 199).
// Before the first layout the cells' narrowest and widest content are measured once; after a
// layout each cell of a table that needs it gets its column's width.
#include "platform/page/PageStructure.h"

namespace tavra {

// Measures the cells of every table (once per document; the layout that follows must be full).
void measureTableColumns(const PageStructure& structure);

// Returns true when a width was set (the document must be laid out again).
bool shareTableColumns(const PageStructure& structure);

}  // namespace tavra
