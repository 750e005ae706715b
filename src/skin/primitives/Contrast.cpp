#include "skin/primitives/Contrast.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tavra {
namespace {

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Color c) {
  const Color v = resolveColor(c);
  return 0.2126 * linear(redOf(v)) + 0.7152 * linear(greenOf(v)) + 0.0722 * linear(blueOf(v));
}

}  // namespace

double ContrastRatio(Color a, Color b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color MeanColor(const Bitmap& bitmap, const Rect& r) {
  const Rect area = r.intersected(bitmap.bounds());
  if (area.isEmpty()) return clBlack;
  std::uint64_t red = 0, green = 0, blue = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      const Color c = bitmap.colorAt(x, y);
      red += static_cast<std::uint64_t>(redOf(c));
      green += static_cast<std::uint64_t>(greenOf(c));
      blue += static_cast<std::uint64_t>(blueOf(c));
    }
  }
  const auto n = static_cast<std::uint64_t>(area.width()) * static_cast<std::uint64_t>(area.height());
  return rgb(static_cast<int>((red + n / 2) / n), static_cast<int>((green + n / 2) / n), static_cast<int>((blue + n / 2) / n));
}

}  // namespace tavra
