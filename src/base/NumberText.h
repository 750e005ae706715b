#pragma once
// Numbers as the program shows them: the shortest general form (whole values as plain
// integers, up to 15 significant digits otherwise), and reading them back.
#include <optional>
#include <string>
#include <string_view>

namespace tavra {

std::string floatToText(double value);
// The number a text holds (surrounding blanks allowed), or nothing when it holds none.
std::optional<double> textToFloat(std::string_view text);

}  // namespace tavra
