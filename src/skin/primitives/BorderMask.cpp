#include "skin/primitives/BorderMask.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

using namespace skinpx;

namespace {

enum class PieceKind { Corner, Side };
enum class PieceFill { Tile, Stretch };

struct Piece {
  Rect source;       // in the mask's source image
  Rect destination;  // in the target
  PieceKind kind;
};

// The source column (or row) of destination offset i: tiled or stretched over `extent`.
int sourceOffset(int i, int sourceExtent, int extent, PieceFill fill) {
  if (fill == PieceFill::Stretch) return static_cast<int>(static_cast<long long>(i) * sourceExtent / extent);
  return i % sourceExtent;
}

struct PieceContext {
  const ClippedRows& target;
  const MaskFrame& frame;
  const TsCacheView& view;
  bool cornersFromParent;
  PieceFill sideFill;
};

void drawPiece(const PieceContext& c, const Piece& piece) {
  const Rect& src = piece.source;
  const Rect& dst = piece.destination;
  if (src.isEmpty() || dst.isEmpty()) return;
  const Bitmap& image = *c.frame.source;
  const PieceFill fill = piece.kind == PieceKind::Corner ? PieceFill::Tile : c.sideFill;
  const bool corner = piece.kind == PieceKind::Corner;
  const bool alpha = c.frame.alpha;
  const int maskRows = c.frame.frameHeight;
  assert(pictureHolds(image, src) && (!alpha || pictureHolds(image, src.offsetBy(0, maskRows))));
  c.target.forEachSpan(dst, [&](int y, int x0, int x1, Pixel* out) {
    const int sy = src.top + sourceOffset(y - dst.top, src.height(), dst.height(), fill);
    const Pixel* in = image.row(sy);
    const Pixel* opacity = alpha ? image.row(sy + maskRows) : nullptr;
    for (int x = x0; x < x1; ++x) {
      const int sx = src.left + sourceOffset(x - dst.left, src.width(), dst.width(), fill);
      const Pixel p = in[sx];
      Pixel& d = out[x - x0];
      if (isFuchsia(p) && (alpha || corner)) {
        if (corner && c.cornersFromParent) {
          if (const Pixel* v = c.view.pixelAt(x, y)) d = (*v & 0x00FFFFFFu) | (d & 0xFF000000u);
        }
        continue;
      }
      d = alpha ? throughMask(d, p, opacity[sx]) : ((p & 0x00FFFFFFu) | (d & 0xFF000000u));
    }
  });
}

// Removes from `shape` every run of clFuchsia pixels the piece puts in the rectangle.
void cutTransparentRuns(const MaskFrame& frame, const Piece& piece, PieceFill fill, Region& shape) {
  const Rect& src = piece.source;
  const Rect& dst = piece.destination;
  if (src.isEmpty() || dst.isEmpty()) return;
  assert(pictureHolds(*frame.source, src));
  for (int y = dst.top; y < dst.bottom; ++y) {
    const Pixel* in = frame.source->row(src.top + sourceOffset(y - dst.top, src.height(), dst.height(), fill));
    int runStart = -1;
    for (int x = dst.left; x <= dst.right; ++x) {
      const bool clear = x < dst.right && isFuchsia(in[src.left + sourceOffset(x - dst.left, src.width(), dst.width(), fill)]);
      if (clear && runStart < 0) runStart = x;
      if (!clear && runStart >= 0) {
        shape.subtract(Rect{runStart, y, x, y + 1});
        runStart = -1;
      }
    }
  }
}

// The nine pieces in drawing order: top-left, left, top, bottom-left, bottom, bottom-right,
// top-right, right, centre. Sides are cut at the far corner; the centre only when asked. With
// widths cut to the frame and fitted to r every source piece lies in the frame and every
// destination piece in r.
std::vector<Piece> ninePieces(const MaskFrame& f, const BorderWidths& w, const Rect& r, bool centre) {
  const int x0 = f.origin.x;
  const int y0 = f.origin.y;
  const int sw = std::max(0, f.frameWidth - w.left - w.right);
  const int sh = std::max(0, f.frameHeight - w.top - w.bottom);
  const int xr = x0 + w.left + sw;                // right pieces: the frame's right columns
  const int yb = y0 + f.frameHeight - w.bottom;   // bottom pieces: the frame's bottom rows
  const int innerLeft = r.left + w.left;
  const int innerRight = r.right - w.right;
  const int innerTop = r.top + w.top;
  const int innerBottom = r.bottom - w.bottom;
  std::vector<Piece> pieces = {
      {Rect::fromSize(x0, y0, w.left, w.top), Rect::fromSize(r.left, r.top, w.left, w.top), PieceKind::Corner},
      {Rect::fromSize(x0, y0 + w.top, w.left, sh), {r.left, innerTop, innerLeft, innerBottom}, PieceKind::Side},
      {Rect::fromSize(x0 + w.left, y0, sw, w.top), {innerLeft, r.top, innerRight, innerTop}, PieceKind::Side},
      {Rect::fromSize(x0, yb, w.left, w.bottom), Rect::fromSize(r.left, innerBottom, w.left, w.bottom), PieceKind::Corner},
      {Rect::fromSize(x0 + w.left, yb, sw, w.bottom), {innerLeft, innerBottom, innerRight, r.bottom}, PieceKind::Side},
      {Rect::fromSize(xr, yb, w.right, w.bottom), Rect::fromSize(innerRight, innerBottom, w.right, w.bottom), PieceKind::Corner},
      {Rect::fromSize(xr, y0, w.right, w.top), Rect::fromSize(innerRight, r.top, w.right, w.top), PieceKind::Corner},
      {Rect::fromSize(xr, y0 + w.top, w.right, sh), {innerRight, innerTop, r.right, innerBottom}, PieceKind::Side},
  };
  if (centre) pieces.push_back({Rect::fromSize(x0 + w.left, y0 + w.top, sw, sh), {innerLeft, innerTop, innerRight, innerBottom}, PieceKind::Side});
  return pieces;
}

// Two opposite widths that together exceed `size`: both lose half the excess (rounded down),
// and for an odd size the second (right or bottom) loses one pixel more. An odd excess in an even
// size thus leaves the two corners overlapping by a pixel, the far one drawn over the near one.
// A width from a hostile skin may not leave the rectangle: each is kept within 0..size.
void shareExtent(int& first, int& second, int size) {
  size = std::max(size, 0);
  const long long sum = static_cast<long long>(first) + second;
  if (sum <= size) return;
  const long long half = (sum - size) / 2;
  first = static_cast<int>(std::clamp<long long>(first - half, 0, size));
  second = static_cast<int>(std::clamp<long long>(second - half - size % 2, 0, size));
}

bool drawsNothing(const TsMaskData& m, const Rect& r, int state) {
  return (state == 0 && (m.StretchMode & 2)) || r.width() < 2 || r.height() < 2;
}

}  // namespace

BorderWidths fitBorderWidths(BorderWidths w, int width, int height) {
  w = {std::max(w.left, 0), std::max(w.top, 0), std::max(w.right, 0), std::max(w.bottom, 0)};
  shareExtent(w.left, w.right, width);
  shareExtent(w.top, w.bottom, height);
  return w;
}

BorderWidths fitBorderWidths(const TsMaskData& mask, int width, int height) {
  return fitBorderWidths(BorderWidths{mask.WL, mask.WT, mask.WR, mask.WB}, width, height);
}

BorderWidths borderWidthsAround(const SkinModel& model, int maskIndex, int state, Size size) {
  const MaskFrame f = maskFrame(model, maskIndex, state);
  if (!f.valid()) return {};
  return fitBorderWidths(frameBorderWidths(f), size.width, size.height);
}

void DrawBorderMask(const ClippedRows& target, const Rect& r, CentreFill centre, CornersFromParent corners, int state,
                    const SkinModel& model, int maskIndex, const TsCacheView& view) {
  const MaskFrame f = maskFrame(model, maskIndex, state);
  if (!f.valid() || drawsNothing(*f.mask, r, state)) return;
  const BorderWidths w = fitBorderWidths(frameBorderWidths(f), r.width(), r.height());
  // Alpha masks are always tiled; others stretch their sides and centre when bit 0 says so.
  const PieceFill sideFill = !f.alpha && (f.mask->StretchMode & 1) ? PieceFill::Stretch : PieceFill::Tile;
  const PieceContext context{target, f, view, corners == CornersFromParent::Yes, sideFill};
  const bool withCentre = centre == CentreFill::Yes && (f.mask->StretchMode & 4);
  for (const Piece& piece : ninePieces(f, w, r, withCentre)) drawPiece(context, piece);
}

void DrawBorderMaskShaping(const ClippedRows& target, const Rect& r, CentreFill centre, int state, const SkinModel& model,
                           int maskIndex, Region& shape) {
  const MaskFrame f = maskFrame(model, maskIndex, state);
  if (!f.valid() || drawsNothing(*f.mask, r, state)) return;
  const BorderWidths w = fitBorderWidths(frameBorderWidths(f), r.width(), r.height());
  const PieceFill sideFill = (f.mask->StretchMode & 1) && f.mask->MaskType != 1 ? PieceFill::Stretch : PieceFill::Tile;
  const TsCacheView none;
  const PieceContext context{target, f, none, false, sideFill};
  const bool withCentre = centre == CentreFill::Yes && (f.mask->StretchMode & 4);
  for (const Piece& piece : ninePieces(f, w, r, withCentre)) {
    drawPiece(context, piece);
    cutTransparentRuns(f, piece, piece.kind == PieceKind::Corner ? PieceFill::Tile : sideFill, shape);
  }
}

void DrawMaskImage(const ClippedRows& target, Point at, int state, const TsCacheView& view, const SkinModel& model,
                   int maskIndex, MaskOpacity opacity) {
  const MaskFrame f = maskFrame(model, maskIndex, state);
  if (!f.valid()) return;
  const Rect dst = Rect::fromSize(at.x, at.y, f.frameWidth, f.frameHeight);
  const Bitmap& image = *f.source;
  assert(pictureHolds(image, f.rect()) && (!f.alpha || pictureHolds(image, f.rect().offsetBy(0, f.frameHeight))));
  target.forEachSpan(dst, [&](int y, int x0, int x1, Pixel* out) {
    const int sy = f.origin.y + (y - at.y);
    const Pixel* in = image.row(sy);
    const Pixel* mask = f.alpha ? image.row(sy + f.frameHeight) : nullptr;
    for (int x = x0; x < x1; ++x) {
      const int sx = f.origin.x + (x - at.x);
      const Pixel p = in[sx];
      Pixel& d = out[x - x0];
      if (isFuchsia(p)) {
        if (!f.alpha && opacity == MaskOpacity::Opaque) {
          if (const Pixel* v = view.pixelAt(x, y)) d = (*v & 0x00FFFFFFu) | (d & 0xFF000000u);
        }
        continue;
      }
      if (f.alpha) {
        d = throughMask(d, p, mask[sx]);
      } else if (opacity == MaskOpacity::Opaque) {
        d = (p & 0x00FFFFFFu) | (d & 0xFF000000u);
      } else {
        // Half of each: round(source − (source − destination) / 2).
        auto ch = [](int s, int dv) { return (s + dv + 1) / 2; };
        d = make(ch(red(p), red(d)), ch(green(p), green(d)), ch(blue(p), blue(d)), d & 0xFF000000u);
      }
    }
  });
}

}  // namespace tavra
