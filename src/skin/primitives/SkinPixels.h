#pragma once
// The pixel-level blends the skin painters rest on. Every operation works on rows: targets are
// the writable rows of a bitmap (a plain bitmap converts to all of its rows), and nothing is
// written outside them or outside the source bitmaps.
#include <optional>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/ClippedRows.h"
#include "skin/primitives/TsCacheView.h"

namespace tavra {

// Per channel round(a × k + b × (1 − k)); the result keeps the high byte of a.
Color BlendColors(Color a, Color b, double k);
// Every pixel of r := round(pixel × p / 100 + colour × (1 − p / 100)) per channel.
void MixIntoRect(const ClippedRows& target, const Rect& r, int percent, Color color);
// Over the common area of the destination (at `at`) and the source's `sourceRect`:
// destination := (destination × a + source × (255 − a) + 127) shr 8 per channel.
void BlendBitmaps(const ClippedRows& destination, const Bitmap& source, int a, Point at, const Rect& sourceRect);
inline void BlendBitmaps(const ClippedRows& destination, const Bitmap& source, int a) {
  BlendBitmaps(destination, source, a, {0, 0}, source.bounds());
}
// Copies the whole source to `at` as it is.
void CopyBitmap(const ClippedRows& destination, const Bitmap& source, Point at);
// Copies every source pixel that is not the transparent colour to (x, y).
void CopyTransparent(const ClippedRows& destination, const Bitmap& source, int x, int y, Color transparent);
// destination := round(source − k × (source − destination)) per channel for every source pixel of
// `sourceRect` (placed at (x, y)) that is not the transparent colour; a transparent colour whose
// high byte is set leaves none out.
void CopyBlended(const ClippedRows& destination, int x, int y, Color transparent, double k, const Rect& sourceRect,
                 const Bitmap& source);
// Every pixel (but those of the kept colour) := (blue + green + red) div 3 in all channels.
void MakeGrey(const ClippedRows& target, std::optional<Color> kept = std::nullopt);

// Per-pixel alpha composition of a 32-bit source with straight alpha (see the .cpp).
struct CompositeAlphaOptions {
  bool reflection = false;
  int extraTransparency = 0;  // percent
  Color tint = clNone;        // clNone: no tint
  const TsCacheView* view = nullptr;
};
void CompositeAlpha(const Rect& targetRect, const Rect& sourceRect, const ClippedRows& target, const Bitmap& source,
                    const CompositeAlphaOptions& options);

Bitmap NewBitmap24(int width, int height);
Bitmap NewBitmap32(int width, int height);

// A two-colour dotted frame: black dots every third pixel along the edges, white ones a pixel up
// and to the left of them.
void DrawFocusFrame(const ClippedRows& target, const Rect& r);

// The pixel helpers the painters share.
namespace skinpx {

constexpr int red(Pixel p) { return static_cast<int>((p >> 16) & 0xFF); }
constexpr int green(Pixel p) { return static_cast<int>((p >> 8) & 0xFF); }
constexpr int blue(Pixel p) { return static_cast<int>(p & 0xFF); }
constexpr Pixel make(int r, int g, int b, Pixel high = 0xFF000000u) {
  return high | (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | static_cast<Pixel>(b);
}
constexpr int clamp255(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }
constexpr bool isFuchsia(Pixel p) { return (p & 0x00FFFFFFu) == 0x00FF00FFu; }

// An image pixel combined over the destination through its mask pixel m (per channel, m / 256 of
// the destination shows through): ((destination − image) × m + image × 256) shr 8, clamped.
constexpr Pixel throughMask(Pixel destination, Pixel image, Pixel mask) {
  auto ch = [](int d, int i, int m) { return clamp255(((d - i) * m + i * 256) >> 8); };
  return make(ch(red(destination), red(image), red(mask)), ch(green(destination), green(image), green(mask)),
              ch(blue(destination), blue(image), blue(mask)), destination & 0xFF000000u);
}

}  // namespace skinpx

}  // namespace tavra
