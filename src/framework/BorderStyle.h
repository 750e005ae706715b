#pragma once
// The border of a windowed control: none, or the single sunken client edge (edits, memos,
// lists, trees, boxes).
namespace tavra {

enum class TBorderStyle { bsNone, bsSingle };

}  // namespace tavra
