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

namespace {

// Luminance as the eye weighs it, on linear light: what text contrast is measured on.
double luminance(const Rgb& c) {
  auto linear = [](double v) {
    v /= 255.0;
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

}  // namespace

double contrast(const Rgb& a, const Rgb& b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb legibleOn(std::initializer_list<Rgb> backgrounds, const Rgb& preferred, double needed) {
  auto worst = [&](const Rgb& ink) {
    double least = 21.0;
    for (const Rgb& b : backgrounds) least = std::min(least, contrast(b, ink));
    return least;
  };
  // The skin's own colour while it reads well; else the same colour shaded towards black or
  // white, as little as it takes (so the skin keeps its tint).
  // Backgrounds that span light and dark may allow no ink that reaches `needed` on all of them:
  // then the most that any shade of the colour reaches.
  for (double goal = needed; goal > 1.0; goal -= 0.25) {
    if (worst(preferred) >= goal) return preferred;
    for (int step = 1; step <= 20; ++step) {
      const double t = step / 20.0;
      const Rgb darker = preferred.darker(t), lighter = preferred.lighter(t);
      const double d = worst(darker), l = worst(lighter);
      if (d >= goal || l >= goal) return d >= l ? darker : lighter;
    }
  }
  return preferred;
}

Rgb readableOn(const Rgb& background, const Rgb& dark, const Rgb& light) {
  // The first colour is the skin's own: it is kept whenever it reads well; else the second one
  // when that does, else the one that stands out more, shaded until it reads well.
  constexpr double kReadsWell = 4.5;
  if (contrast(background, dark) >= kReadsWell) return dark;
  if (contrast(background, light) >= kReadsWell) return light;
  return legibleOn({background}, contrast(background, dark) >= contrast(background, light) ? dark : light, kReadsWell);
}

}  // namespace tavra::skingen
