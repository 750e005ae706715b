#pragma once
// Colours of the generator: channels as doubles 0..255, mixed and shaded freely, and written
// out as the skin's 0x00BBGGRR integers or as pixels.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace tavra::skingen {

struct Rgb {
  double r = 0, g = 0, b = 0;

  // "#RRGGBB"; nothing for any other text.
  static std::optional<Rgb> parse(std::string_view text);

  Rgb mix(const Rgb& other, double t) const;  // t = 0 gives this colour, 1 gives `other`
  Rgb lighter(double t) const { return mix(Rgb{255, 255, 255}, t); }
  Rgb darker(double t) const { return mix(Rgb{0, 0, 0}, t); }
  Rgb grey() const;  // the same lightness without hue
  double lightness() const { return (r * 0.299 + g * 0.587 + b * 0.114) / 255.0; }

  std::uint8_t red() const;
  std::uint8_t green() const;
  std::uint8_t blue() const;
  // The skin's colour value 0x00BBGGRR, never the transparent magenta.
  std::uint32_t colorRef() const;
  std::string decimal() const { return std::to_string(colorRef()); }
  // 0xAARRGGBB with the given alpha (straight, not premultiplied).
  std::uint32_t argb(std::uint8_t alpha = 255) const;
};

// The contrast ratio of two colours, 1 (equal) to 21 (black on white).
double contrast(const Rgb& a, const Rgb& b);
// A text colour legible on `background` (4.5:1): `dark` (the skin's own) when it reads well,
// else `light` when that does, else the one that stands out more, shaded just far enough.
Rgb readableOn(const Rgb& background, const Rgb& dark, const Rgb& light);
// `preferred` when it stands out by `needed` from every one of `backgrounds` (the colours of a
// face's gradient), else that colour shaded towards black or white just far enough.
Rgb legibleOn(std::initializer_list<Rgb> backgrounds, const Rgb& preferred, double needed = 4.5);

}  // namespace tavra::skingen
