#pragma once
// A table cell's CSS width is the width of its content, padding and borders coming on top. The
// layout engine takes it as the width of the whole cell, so a cell with "width: 24px; padding:
// 0 10px" gets 4 px of content. After a first layout, each cell with a width in pixels has its
// padding and borders added to that width, so that the next layout gives the content its room.
#include "platform/page/PageStructure.h"

namespace tavra {

// Returns true when a width was changed (the document must be laid out again).
bool widenPaddedCells(const PageStructure& structure);

}  // namespace tavra
