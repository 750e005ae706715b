#pragma once
// Gradient steps: parsed from texts of integers separated by ";" in groups of five.
#include <cstdint>
#include <vector>

#include "base/Color.h"

namespace tavra {

struct GradientStep {
  Color Color1 = 0;
  Color Color2 = 0;
  std::uint8_t Percent = 0;  // share of the painted extent, 0 to 100
  std::int32_t Mode = 0;     // 0 vertical bands, 1 horizontal bands, 2 five-point triangles
  friend bool operator==(const GradientStep&, const GradientStep&) = default;
};

using TsGradArray = std::vector<GradientStep>;

}  // namespace tavra
