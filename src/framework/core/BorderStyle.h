#pragma once
// A windowed control's own border: an edit or memo's sunken client edge, a panel's single line.
namespace tavra {

enum class TBorderStyle { bsNone, bsSingle };

}  // namespace tavra
