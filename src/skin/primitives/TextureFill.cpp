#include "skin/primitives/TextureFill.h"

#include <algorithm>
#include <cassert>

#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

using namespace skinpx;

void TileImage(const ClippedRows& target, const Rect& r, const Bitmap& source, const Rect& sourceRect) {
  const Rect s = sourceRect.intersected(source.bounds());
  if (s.isEmpty() || s != sourceRect) return;
  assert(pictureHolds(source, s));
  const int tw = s.width();
  const int th = s.height();
  target.forEachSpan(r, [&](int y, int x0, int x1, Pixel* out) {
    const Pixel* in = source.row(s.top + (y - r.top) % th) + s.left;
    int x = x0;
    while (x < x1) {
      const int column = (x - r.left) % tw;
      const int run = std::min(tw - column, x1 - x);
      for (int i = 0; i < run; ++i) out[x - x0 + i] = (in[column + i] & 0x00FFFFFFu) | (out[x - x0 + i] & 0xFF000000u);
      x += run;
    }
  });
}

void StretchImage(const ClippedRows& target, const Rect& r, const Bitmap& source, const Rect& sourceRect) {
  const Rect s = sourceRect.intersected(source.bounds());
  if (s.isEmpty() || s != sourceRect || r.isEmpty()) return;
  assert(pictureHolds(source, s));
  const long long sw = s.width(), sh = s.height(), dw = r.width(), dh = r.height();
  target.forEachSpan(r, [&](int y, int x0, int x1, Pixel* out) {
    const Pixel* in = source.row(s.top + static_cast<int>((y - r.top) * sh / dh)) + s.left;
    for (int x = x0; x < x1; ++x) {
      out[x - x0] = (in[static_cast<int>((x - r.left) * sw / dw)] & 0x00FFFFFFu) | (out[x - x0] & 0xFF000000u);
    }
  });
}

Rect FillTexture(const ClippedRows& target, const Rect& r, const Bitmap* picture, int mode, const SkinModel& model,
                 int maskIndex) {
  if (r.isEmpty()) return {};
  if (picture) {
    TileImage(target, r, *picture, picture->bounds());
    return {};
  }
  if (!model.IsValidMask(maskIndex)) return r;
  const TsMaskData& m = model.Masks[static_cast<size_t>(maskIndex)];
  if (m.Image) {
    TileImage(target, r, *m.Image, m.Image->bounds().intersected(m.Rect));
    return {};
  }
  const Bitmap& source = model.MasterBitmap;
  const Rect t = m.Rect;
  if (!source.bounds().contains(t) || t.isEmpty()) return r;
  const int tw = t.width();
  const int th = t.height();
  switch (mode) {
    case 0: TileImage(target, r, source, t); return {};
    case 1: StretchImage(target, r, source, t); return {};
    case 2: TileImage(target, {r.left, r.top, r.right, std::min(r.bottom, r.top + th)}, source, t); return {r.left, r.top + th, r.right, r.bottom};
    case 3: TileImage(target, {r.left, r.top, std::min(r.right, r.left + tw), r.bottom}, source, t); return {r.left + tw, r.top, r.right, r.bottom};
    case 4: StretchImage(target, {r.left, r.top, r.right, r.top + th}, source, t); return {r.left, r.top + th, r.right, r.bottom};
    case 5: StretchImage(target, {r.left, r.top, r.left + tw, r.bottom}, source, t); return {r.left + tw, r.top, r.right, r.bottom};
    case 6: {
      // Tiles start at the band's top, so a tile lies whole in it.
      const Rect band{r.left, std::max(r.top, r.bottom - th), r.right, r.bottom};
      TileImage(target, band, source, Rect::fromSize(t.left, t.top + (th - band.height()), tw, band.height()));
      return {r.left, r.top, r.right, r.bottom - th};
    }
    case 7: {
      const Rect band{std::max(r.left, r.right - tw), r.top, r.right, r.bottom};
      TileImage(target, band, source, Rect::fromSize(t.left + (tw - band.width()), t.top, band.width(), th));
      return {r.left, r.top, r.right - tw, r.bottom};
    }
    case 10: {
      int rows = 0;
      while (r.top + rows * th < r.bottom - th) ++rows;
      TileImage(target, {r.left, r.top, r.right, r.top + rows * th}, source, t);
      return {};
    }
    default:
      return r;
  }
}

void FillMaskedTexture(const ClippedRows& target, const Rect& r, const TsCacheView& view, int mode, const SkinModel& model,
                       int maskIndex) {
  if (mode != 0 && mode != 10) return;
  const MaskFrame f = maskFrame(model, maskIndex, 0);
  if (!f.valid() || !f.alpha || r.isEmpty()) return;
  const int tw = f.frameWidth;
  const int th = f.frameHeight;
  const int wholeColumns = r.width() / tw;
  // Mode 0: rows while a row starts above r.bottom − th, that is (height − 1) div th of them (a
  // row that would end on the bottom edge is left out too); columns to r's right edge, the last
  // one cut. Mode 10: whole tiles only.
  const int rows = mode == 0 ? (r.height() - 1) / th : r.height() / th;
  const int right = mode == 0 ? r.right : r.left + wholeColumns * tw;
  const Rect tiled{r.left, r.top, right, r.top + rows * th};
  const Bitmap& image = *f.source;
  assert(pictureHolds(image, f.rect()) && pictureHolds(image, f.rect().offsetBy(0, th)));
  target.forEachSpan(tiled, [&](int y, int x0, int x1, Pixel* out) {
    const int sy = f.origin.y + (y - r.top) % th;
    const Pixel* in = image.row(sy) + f.origin.x;
    const Pixel* mask = image.row(sy + th) + f.origin.x;
    for (int x = x0; x < x1; ++x) {
      const int sx = (x - r.left) % tw;
      if (isFuchsia(in[sx])) continue;
      out[x - x0] = throughMask(out[x - x0], in[sx], mask[sx]);
    }
  });
  if (mode != 10) return;
  const Color fill = resolveColor(view.FillColor);
  auto background = [&](const Rect& strip) {
    target.forEachSpan(strip, [&](int y, int x0, int x1, Pixel* out) {
      for (int x = x0; x < x1; ++x) {
        const Pixel* v = view.pixelAt(x, y);
        if (v) out[x - x0] = (*v & 0x00FFFFFFu) | (out[x - x0] & 0xFF000000u);
        else if (!view.Ready && view.FillColor != clFuchsia) out[x - x0] = pixelFromColor(fill, alphaOf(out[x - x0]));
      }
    });
  };
  background({tiled.right, r.top, r.right, tiled.bottom});
  background({r.left, tiled.bottom, r.right, r.bottom});
}

}  // namespace tavra
