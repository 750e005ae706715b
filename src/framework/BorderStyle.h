#pragma once
// The border of a windowed control: none, or the single sunken edge of lists, trees and boxes.
namespace tavra {

enum class TBorderStyle { bsNone, bsSingle };

}  // namespace tavra
