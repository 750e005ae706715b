#include "Rgb.h"

#include <algorithm>
#include <cmath>

namespace tavra::skingen {
namespace {

std::uint8_t channel(double v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<Rgb> Rgb::parse(std::string_view text) {
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  int v[6];
  for (int i = 0; i < 6; ++i) {
    v[i] = hexDigit(text[static_cast<size_t>(i) + 1]);
    if (v[i] < 0) return std::nullopt;
  }
  return Rgb{static_cast<double>(v[0] * 16 + v[1]), static_cast<double>(v[2] * 16 + v[3]), static_cast<double>(v[4] * 16 + v[5])};
}

Rgb Rgb::mix(const Rgb& o, double t) const { return Rgb{r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t}; }

Rgb Rgb::grey() const {
  const double l = r * 0.299 + g * 0.587 + b * 0.114;
  return Rgb{l, l, l};
}

std::uint8_t Rgb::red() const { return channel(r); }
std::uint8_t Rgb::green() const { return channel(g); }
std::uint8_t Rgb::blue() const { return channel(b); }

std::uint32_t Rgb::colorRef() const {
  std::uint32_t value = static_cast<std::uint32_t>(red()) | (static_cast<std::uint32_t>(green()) << 8) |
                        (static_cast<std::uint32_t>(blue()) << 16);
  // Exact magenta means "transparent" to the engine; a colour never says that by accident.
  if (value == 0xFF00FF) value = 0xFE00FF;
  return value;
}

std::uint32_t Rgb::argb(std::uint8_t alpha) const {
  return (static_cast<std::uint32_t>(alpha) << 24) | (static_cast<std::uint32_t>(red()) << 16) |
         (static_cast<std::uint32_t>(green()) << 8) | blue();
}

Rgb readableOn(const Rgb& background, const Rgb& dark, const Rgb& light) {
  const double l = background.lightness();
  return std::abs(l - dark.lightness()) >= std::abs(l - light.lightness()) ? dark : light;
}

}  // namespace tavra::skingen
