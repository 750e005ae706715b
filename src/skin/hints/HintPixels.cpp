#include "skin/hints/HintPixels.h"

#include <algorithm>
#include <cmath>

#include "gfx/Canvas.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {
namespace {

bool sameSize(const Bitmap& a, const Bitmap& b) { return a.width() == b.width() && a.height() == b.height(); }

bool inside(Pixel p) { return skinpx::red(p) + skinpx::green(p) + skinpx::blue(p) < 765; }

Pixel greyPixel(int g) { return skinpx::make(g, g, g); }

}  // namespace

void MultiplyByMask(Bitmap& bitmap, const Bitmap& mask, Color c) {
  if (!sameSize(bitmap, mask)) return;
  const int cr = redOf(c), cg = greenOf(c), cb = blueOf(c);
  auto ch = [](int b, int m, int c) { return skinpx::clamp255(((b - c) * m + c * 256) >> 8); };
  for (int y = 0; y < bitmap.height(); ++y) {
    Pixel* row = bitmap.row(y);
    const Pixel* m = mask.row(y);
    for (int x = 0; x < bitmap.width(); ++x) {
      const Pixel p = row[x];
      row[x] = skinpx::make(ch(skinpx::red(p), skinpx::red(m[x]), cr), ch(skinpx::green(p), skinpx::green(m[x]), cg),
                            ch(skinpx::blue(p), skinpx::blue(m[x]), cb), p & 0xFF000000u);
    }
  }
}

void EdgeBevel(Bitmap& bitmap, const Bitmap& mask, Color top, Color bottom) {
  if (!sameSize(bitmap, mask)) return;
  const int w = bitmap.width(), h = bitmap.height();
  const Pixel topPixel = pixelFromColor(resolveColor(top));
  const Pixel bottomPixel = pixelFromColor(resolveColor(bottom));
  for (int y = 0; y < h; ++y) {
    const Pixel* m = mask.row(y);
    const Pixel* above = y > 0 ? mask.row(y - 1) : nullptr;
    const Pixel* below = y + 1 < h ? mask.row(y + 1) : nullptr;
    Pixel* out = bitmap.row(y);
    for (int x = 0; x < w; ++x) {
      if (!inside(m[x])) continue;
      if (x == 0 || y == 0 || !inside(m[x - 1]) || !inside(above[x])) {
        out[x] = topPixel;
      } else if (x == w - 1 || y == h - 1 || !inside(m[x + 1]) || !inside(below[x])) {
        out[x] = bottomPixel;
      }
    }
  }
}

void PaintSoftShadow(Bitmap& bitmap, const Rect& rect, int transparency, int cornerSize, int blur, Color c) {
  const Rect r = rect.intersected(bitmap.bounds());
  if (r.isEmpty()) return;
  const int w = r.width(), h = r.height();
  Bitmap a = bitmap.copy(r);
  Bitmap m(w, h);
  m.fill(greyPixel(255));
  const int b = std::max(0, std::min({w / 2, h / 2, blur}));
  const int corner = std::max(0, std::min({w / 2, h / 2, cornerSize}));
  const int d = skinpx::clamp255(transparency * 255 / 100);
  const double step = (255 - d) / static_cast<double>(b + 1);
  {
    Canvas canvas(m);
    int grey = 255;
    for (int k = 0; k <= b; ++k) {
      const Color g = rgb(grey, grey, grey);
      const Rect ring{k, k, w - k, h - k};
      if (corner > 0) canvas.fillRoundRect(ring, corner, corner, g);
      else canvas.fillRect(ring, g);
      grey = (d + static_cast<int>(std::nearbyint((b - k) * step))) % 256;
    }
    const Color core = rgb(d, d, d);
    const Rect inner{b, b, w - b, h - b};
    if (b > 0) canvas.fillRoundRect(inner, b, b, core);
    else canvas.fillRect(inner, core);
  }
  MultiplyByMask(a, m, c);
  bitmap.copyFrom(a, a.bounds(), r.left, r.top);
}

void ComposeThroughMask(Bitmap& canvas, const Bitmap& body, const Bitmap& mask) {
  const int w = std::min({canvas.width(), body.width(), mask.width()});
  const int h = std::min({canvas.height(), body.height(), mask.height()});
  for (int y = 0; y < h; ++y) {
    Pixel* out = canvas.row(y);
    const Pixel* in = body.row(y);
    const Pixel* m = mask.row(y);
    for (int x = 0; x < w; ++x) out[x] = skinpx::throughMask(out[x], in[x], m[x]);
  }
}

Bitmap ComposeLayer(const Bitmap& body, const Bitmap& mask, const Bitmap& shadow) {
  const int w = body.width(), h = body.height();
  Bitmap layer(w, h, PixelFormat::Bits32);
  if (!sameSize(body, mask) || !sameSize(body, shadow)) return layer;
  for (int y = 0; y < h; ++y) {
    const Pixel* in = body.row(y);
    const Pixel* m = mask.row(y);
    const Pixel* s = shadow.row(y);
    Pixel* out = layer.row(y);
    for (int x = 0; x < w; ++x) {
      if (skinpx::blue(m[x]) == 255) out[x] = static_cast<Pixel>(255 - skinpx::blue(s[x])) << 24;
      else out[x] = in[x] | 0xFF000000u;
    }
  }
  return layer;
}

Region RegionFromMask(const Bitmap& mask, Color outside) {
  Region region(mask.bounds());
  const Pixel key = pixelFromColor(outside) & 0x00FFFFFFu;
  for (int y = 0; y < mask.height(); ++y) {
    const Pixel* row = mask.row(y);
    int x = 0;
    while (x < mask.width()) {
      if ((row[x] & 0x00FFFFFFu) != key) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < mask.width() && (row[x] & 0x00FFFFFFu) == key) ++x;
      region.subtract(Rect{start, y, x, y + 1});
    }
  }
  return region;
}

}  // namespace tavra
