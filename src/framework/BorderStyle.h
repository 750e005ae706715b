#pragma once
// Whether an edit or memo has the sunken client edge.
namespace tavra {

enum class TBorderStyle { bsNone, bsSingle };

}  // namespace tavra
