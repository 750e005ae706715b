#include "skin/controls/SkinButtonGlyph.h"

#include <algorithm>
#include <cassert>

#include "framework/core/ImageList.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

namespace {

using namespace skinpx;

// The part of a picture that lies in it: a glyph strip is read only inside its bounds.
Rect partInside(const Bitmap& source, const Rect& wanted) {
  const Rect part = wanted.intersected(source.bounds());
  assert(wanted.isEmpty() || part == wanted);
  return part;
}

// A premultiplied 32-bit picture (or part of one) with straight alpha, as CompositeAlpha takes it.
Bitmap straightAlphaCopy(const Bitmap& source, const Rect& wanted) {
  const Rect part = partInside(source, wanted);
  Bitmap out(part.width(), part.height(), PixelFormat::Bits32);
  for (int y = 0; y < part.height(); ++y) {
    const Pixel* in = source.row(part.top + y) + part.left;
    Pixel* o = out.row(y);
    for (int x = 0; x < part.width(); ++x) {
      const Pixel p = in[x];
      const int a = alphaOf(p);
      if (a == 0) {
        o[x] = 0;
        continue;
      }
      auto un = [a](int c) { return std::min(255, (c * 255 + a / 2) / a); };
      o[x] = make(un(red(p)), un(green(p)), un(blue(p)), static_cast<Pixel>(a) << 24);
    }
  }
  return out;
}

// One picture as a 24-bit bitmap: a 32-bit one is put on clFuchsia (pixels less than half
// opaque become clFuchsia, the others their colour).
Bitmap opaqueCopy(const Bitmap& source, const Rect& wanted) {
  const Rect part = partInside(source, wanted);
  Bitmap out = NewBitmap24(part.width(), part.height());
  const bool alpha = source.format() == PixelFormat::Bits32;
  const Pixel hole = pixelFromColor(clFuchsia);
  for (int y = 0; y < part.height(); ++y) {
    const Pixel* in = source.row(part.top + y) + part.left;
    Pixel* o = out.row(y);
    for (int x = 0; x < part.width(); ++x) {
      const Pixel p = in[x];
      if (!alpha) {
        o[x] = p | 0xFF000000u;
        continue;
      }
      const int a = alphaOf(p);
      if (a < 128) {
        o[x] = hole;
        continue;
      }
      auto un = [a](int c) { return std::min(255, (c * 255 + a / 2) / a); };
      o[x] = make(un(red(p)), un(green(p)), un(blue(p)));
    }
  }
  return out;
}

// A 24-bit picture over the target through its transparent colour: copied, or blended with the
// target keeping `keepPercent` of what lies under it.
void putOpaque(const ClippedRows& target, Point at, const Bitmap& picture, Color transparent, int keepPercent) {
  if (keepPercent <= 0) {
    CopyTransparent(target, picture, at.x, at.y, transparent);
  } else {
    CopyBlended(target, at.x, at.y, transparent, std::min(keepPercent, 100) / 100.0, picture.bounds(), picture);
  }
}

// Disabled: grey first with dgGrayed; half over the target with dgBlended, else copied.
void putDisabled(const ClippedRows& target, Point at, Bitmap picture, Color transparent, unsigned kinds) {
  if (kinds & dgGrayed) MakeGrey(picture, transparent);
  putOpaque(target, at, picture, transparent, (kinds & dgBlended) ? 50 : 0);
}

void drawImageListGlyph(const ClippedRows& target, Point at, const SkinGlyph& g) {
  const Bitmap& image = g.images->image(g.imageIndex);
  CompositeAlphaOptions options;
  if (!g.enabled) {
    if (g.disabledKind & dgGrayed) options.tint = clWhite;
    if (g.disabledKind & dgBlended) options.extraTransparency = 50;
  } else if (!g.hot) {
    if (g.grayed) options.tint = clWhite;
    if (g.blend > 0) options.extraTransparency = g.blend;
  }
  const Bitmap straight = straightAlphaCopy(image, image.bounds());
  CompositeAlpha(Rect::fromSize(at.x, at.y, image.width(), image.height()), straight.bounds(), target, straight, options);
}

}  // namespace

bool SkinGlyph::present() const {
  if (glyph && !glyph->isEmpty()) return true;
  return images && imageIndex >= 0 && imageIndex < images->count();
}

Size SkinGlyph::size() const {
  if (glyph && !glyph->isEmpty()) return {glyph->width() / std::max(numGlyphs, 1), glyph->height()};
  if (images && imageIndex >= 0 && imageIndex < images->count()) return {images->width(), images->height()};
  return {};
}

int glyphFrameIndex(int numGlyphs, bool enabled, bool hot) {
  if (numGlyphs <= 1) return 0;
  if (!enabled) return 1;
  return hot && numGlyphs >= 5 ? 4 : 0;
}

void DrawSkinGlyph(const ClippedRows& target, Point at, const SkinGlyph& g) {
  if (!g.present()) return;
  if (!g.glyph || g.glyph->isEmpty()) {
    drawImageListGlyph(target, at, g);
    return;
  }
  const Bitmap& strip = *g.glyph;
  const int frames = std::max(g.numGlyphs, 1);
  const Size size = g.size();
  if (size.width <= 0 || size.height <= 0) return;
  if (frames == 1 && g.blend == 0 && strip.format() == PixelFormat::Bits32) {
    const Bitmap straight = straightAlphaCopy(strip, strip.bounds());
    CompositeAlphaOptions options;
    options.reflection = g.reflected;
    CompositeAlpha(Rect::fromSize(at.x, at.y, size.width, size.height * (g.reflected ? 2 : 1)), straight.bounds(), target,
                   straight, options);
    return;
  }
  const int frame = glyphFrameIndex(frames, g.enabled, g.hot);
  const Bitmap picture = opaqueCopy(strip, Rect::fromSize(frame * size.width, 0, size.width, size.height));
  if (frames == 1) {
    const Color transparent = picture.colorAt(0, picture.height() - 1);
    if (!g.enabled) {
      putDisabled(target, at, picture, transparent, g.disabledKind);
    } else {
      putOpaque(target, at, picture, transparent, g.hot || g.blend < 1 ? 0 : g.blend);
    }
    return;
  }
  // A strip: the transparent colour of the whole strip when disabled, else of the picture.
  const Color transparent = g.enabled ? picture.colorAt(0, picture.height() - 1)
                                      : opaqueCopy(strip, Rect::fromSize(0, strip.height() - 1, 1, 1)).colorAt(0, 0);
  const bool blended = !g.enabled && !g.hot && g.blend > 0;
  putOpaque(target, at, picture, transparent, blended ? g.blend : 0);
}

}  // namespace tavra
