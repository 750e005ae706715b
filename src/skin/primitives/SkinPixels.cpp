#include "skin/primitives/SkinPixels.h"

#include <algorithm>
#include <cassert>
#include <cmath>

namespace tavra {

using namespace skinpx;

namespace {

int roundToInt(double v) { return static_cast<int>(std::lround(v)); }

// The part of `sourceRect` (cut to the source) and where it lands when placed at `at`.
struct Placement {
  Rect source;
  Rect destination;
};
Placement place(const Bitmap& source, const Rect& sourceRect, Point at) {
  const Rect s = sourceRect.intersected(source.bounds());
  if (s.isEmpty()) return {};
  return {s, Rect::fromSize(at.x + (s.left - sourceRect.left), at.y + (s.top - sourceRect.top), s.width(), s.height())};
}

// Calls op(destinationPixel, sourcePixel) over a placement, row by row within the target.
template <typename Op>
void combine(const ClippedRows& target, const Bitmap& source, const Placement& p, Op op) {
  if (p.destination.isEmpty()) return;
  assert(source.bounds().contains(p.source));
  target.forEachSpan(p.destination, [&](int y, int x0, int x1, Pixel* out) {
    const Pixel* in = source.row(p.source.top + (y - p.destination.top)) + p.source.left + (x0 - p.destination.left);
    for (int i = 0; i < x1 - x0; ++i) op(out[i], in[i]);
  });
}

}  // namespace

Color BlendColors(Color a, Color b, double k) {
  auto ch = [k](int x, int y) { return clamp255(roundToInt(x * k + y * (1 - k))); };
  return rgb(ch(redOf(a), redOf(b)), ch(greenOf(a), greenOf(b)), ch(blueOf(a), blueOf(b))) | (a & 0xFF000000u);
}

void MixIntoRect(const ClippedRows& target, const Rect& r, int percent, Color color) {
  const Color c = resolveColor(color);
  const double p = percent / 100.0;
  // The colour's share is the same for every pixel; a table per channel spares the rounding.
  std::uint8_t table[3][256];
  const int channels[3] = {redOf(c), greenOf(c), blueOf(c)};
  for (int ch = 0; ch < 3; ++ch) {
    for (int v = 0; v < 256; ++v) table[ch][v] = static_cast<std::uint8_t>(clamp255(roundToInt(v * p + channels[ch] * (1 - p))));
  }
  target.forEachSpan(r, [&](int, int x0, int x1, Pixel* out) {
    for (int i = 0; i < x1 - x0; ++i) {
      const Pixel v = out[i];
      out[i] = make(table[0][red(v)], table[1][green(v)], table[2][blue(v)], v & 0xFF000000u);
    }
  });
}

void BlendBitmaps(const ClippedRows& destination, const Bitmap& source, int a, Point at, const Rect& sourceRect) {
  a = std::clamp(a, 0, 255);
  const int b = 255 - a;
  combine(destination, source, place(source, sourceRect, at), [a, b](Pixel& d, Pixel s) {
    d = make((red(d) * a + red(s) * b + 127) >> 8, (green(d) * a + green(s) * b + 127) >> 8,
             (blue(d) * a + blue(s) * b + 127) >> 8, d & 0xFF000000u);
  });
}

void CopyBitmap(const ClippedRows& destination, const Bitmap& source, Point at) {
  combine(destination, source, place(source, source.bounds(), at), [](Pixel& d, Pixel s) { d = (s & 0x00FFFFFFu) | (d & 0xFF000000u); });
}

void CopyTransparent(const ClippedRows& destination, const Bitmap& source, int x, int y, Color transparent) {
  const Pixel key = pixelFromColor(resolveColor(transparent)) & 0x00FFFFFFu;
  combine(destination, source, place(source, source.bounds(), {x, y}), [key](Pixel& d, Pixel s) {
    if ((s & 0x00FFFFFFu) != key) d = (s & 0x00FFFFFFu) | (d & 0xFF000000u);
  });
}

void CopyBlended(const ClippedRows& destination, int x, int y, Color transparent, double k, const Rect& sourceRect,
                 const Bitmap& source) {
  const bool keyed = (transparent & 0xFF000000u) == 0;
  const Pixel key = pixelFromColor(transparent) & 0x00FFFFFFu;
  auto ch = [k](int s, int d) { return clamp255(roundToInt(s - k * (s - d))); };
  combine(destination, source, place(source, sourceRect, {x, y}), [&](Pixel& d, Pixel s) {
    if (keyed && (s & 0x00FFFFFFu) == key) return;
    d = make(ch(red(s), red(d)), ch(green(s), green(d)), ch(blue(s), blue(d)), d & 0xFF000000u);
  });
}

void MakeGrey(const ClippedRows& target, std::optional<Color> kept) {
  const Pixel key = kept ? (pixelFromColor(resolveColor(*kept)) & 0x00FFFFFFu) : 0xFFFFFFFFu;
  target.forEachSpan(target.clipBox(), [&](int, int x0, int x1, Pixel* out) {
    for (int i = 0; i < x1 - x0; ++i) {
      const Pixel v = out[i];
      if ((v & 0x00FFFFFFu) == key) continue;
      const int g = (blue(v) + green(v) + red(v)) / 3;
      out[i] = make(g, g, g, v & 0xFF000000u);
    }
  });
}

// With a tint every non-fuchsia source pixel first becomes its grey value times the tint's
// channel / 255. Each pixel is then composed with A' = (100 − t) × A div 100:
// destination := ((source − destination) × A' + destination × 256) shr 8. Fuchsia source pixels
// are skipped, or take the view's pixel. A reflection goes below the image, its rows from the
// image's bottom row upwards, its opacity falling from 255 by 255 div (height div 2) a row.
void CompositeAlpha(const Rect& targetRect, const Rect& sourceRect, const ClippedRows& target, const Bitmap& source,
                    const CompositeAlphaOptions& o) {
  const Rect s = sourceRect.intersected(source.bounds());
  if (s.isEmpty()) return;
  assert(source.bounds().contains(s));
  const Rect imageRect = Rect::fromSize(targetRect.left, targetRect.top, s.width(), s.height()).intersected(targetRect);
  const bool tinted = o.tint != clNone;
  const Color tint = tinted ? resolveColor(o.tint) : 0;
  const int keep = 100 - std::clamp(o.extraTransparency, 0, 100);
  auto sourcePixel = [&](int sx, int sy) {
    Pixel p = source.pixel(sx, sy);
    if (tinted && !isFuchsia(p)) {
      const int g = (red(p) + green(p) + blue(p)) / 3;
      p = make(std::min(255, g * redOf(tint) / 255), std::min(255, g * greenOf(tint) / 255),
               std::min(255, g * blueOf(tint) / 255), p & 0xFF000000u);
    }
    return p;
  };
  auto compose = [](Pixel d, Pixel src, int alpha) {
    auto ch = [alpha](int sv, int dv) { return clamp255(((sv - dv) * alpha + dv * 256) >> 8); };
    return make(ch(red(src), red(d)), ch(green(src), green(d)), ch(blue(src), blue(d)), d & 0xFF000000u);
  };
  target.forEachSpan(imageRect, [&](int y, int x0, int x1, Pixel* out) {
    const int sy = s.top + (y - targetRect.top);
    for (int x = x0; x < x1; ++x) {
      const int sx = s.left + (x - targetRect.left);
      const Pixel p = sourcePixel(sx, sy);
      Pixel& d = out[x - x0];
      if (isFuchsia(p)) {
        if (o.view) {
          if (const Pixel* v = o.view->pixelAt(x, y)) d = (*v & 0x00FFFFFFu) | (d & 0xFF000000u);
        }
        continue;
      }
      d = compose(d, p, keep * alphaOf(p) / 100);
    }
  });
  if (!o.reflection) return;
  const int h = s.height();
  const int step = h / 2 > 0 ? 255 / (h / 2) : 255;
  const Rect mirror = Rect::fromSize(targetRect.left, targetRect.top + h, s.width(), h / 2);
  target.forEachSpan(mirror, [&](int y, int x0, int x1, Pixel* out) {
    const int row = y - mirror.top;
    const int opacity = 255 - row * step;
    if (opacity <= 0) return;
    const int sy = s.bottom - 1 - row;
    for (int x = x0; x < x1; ++x) {
      const Pixel p = sourcePixel(s.left + (x - targetRect.left), sy);
      if (isFuchsia(p)) continue;
      const int alpha = keep * alphaOf(p) / 300 * opacity / 255;
      out[x - x0] = compose(out[x - x0], p, alpha);
    }
  });
}

Bitmap NewBitmap24(int width, int height) { return Bitmap(std::max(width, 0), std::max(height, 0), PixelFormat::Bits24); }

Bitmap NewBitmap32(int width, int height) {
  Bitmap b(std::max(width, 0), std::max(height, 0), PixelFormat::Bits32);
  b.fill(0);
  return b;
}

void DrawFocusFrame(const ClippedRows& target, const Rect& r) {
  const Pixel black = 0xFF000000u;
  const Pixel white = 0xFFFFFFFFu;
  auto dot = [&](int x, int y, Pixel p) {
    target.forEachSpan(Rect::fromSize(x, y, 1, 1), [p](int, int, int, Pixel* out) { *out = p; });
  };
  const int w = r.width();
  const int h = r.height();
  for (int i = 0; i <= w / 3; ++i) {
    dot(r.left + 3 * i, r.top, black);
    dot(r.left + 3 * i, r.bottom, black);
    dot(r.left + 3 * i - 1, r.top - 1, white);
    dot(r.left + 3 * i - 1, r.bottom - 1, white);
  }
  for (int j = 0; j <= h / 3; ++j) {
    dot(r.left, r.top + 3 * j, black);
    dot(r.right, r.top + 3 * j, black);
    dot(r.left - 1, r.top + 3 * j - 1, white);
    dot(r.right - 1, r.top + 3 * j - 1, white);
  }
}

}  // namespace tavra
