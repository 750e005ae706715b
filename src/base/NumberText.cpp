#include "base/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/Text.h"

namespace tavra {

std::string floatToText(double value) {
  if (value == 0) return "0";  // no "-0"
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  return buffer;
}

std::optional<double> textToFloat(std::string_view text) {
  std::string s(trimmed(text));
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  double v = std::strtod(s.c_str(), &end);
  if (end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

}  // namespace tavra
