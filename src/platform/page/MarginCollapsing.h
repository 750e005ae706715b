#pragma once
// Adjoining vertical margins of sibling blocks collapse into the larger one. The layout engine
// adds them up instead when the upper block has bottom padding or a bottom border (a heading
// with a rule under it, then the next heading: 14 + 18 px instead of 18). After a first layout,
// each such lower block gets its top margin reduced by the upper block's bottom margin, so that
// the next layout leaves the larger of the two between them.
#include "platform/page/PageStructure.h"

namespace tavra {

// Returns true when a margin was changed (the document must be laid out again).
bool collapseSiblingMargins(const PageStructure& structure);

}  // namespace tavra
