#pragma once
// A device context on a bitmap: origin, clip region, font and text state with a save/restore
// stack; fills, shapes, smooth-shaded triangles, blits and text. Shapes are drawn without
// antialiasing so that pixel results are exact, as the skin engine expects; text is
// antialiased. Coordinates are logical: device = logical + origin.
#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"
#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/ClippedRows.h"
#include "gfx/Font.h"
#include "gfx/Region.h"

typedef struct _PangoLayout PangoLayout;

namespace tavra {

// Text drawing flags, with the platform's values.
enum DrawTextFlags : unsigned {
  DT_TOP = 0x0,
  DT_LEFT = 0x0,
  DT_CENTER = 0x1,
  DT_RIGHT = 0x2,
  DT_VCENTER = 0x4,
  DT_BOTTOM = 0x8,
  DT_WORDBREAK = 0x10,
  DT_SINGLELINE = 0x20,
  DT_EXPANDTABS = 0x40,
  DT_NOCLIP = 0x100,
  DT_CALCRECT = 0x400,
  DT_NOPREFIX = 0x800,
  DT_EDITCONTROL = 0x2000,
  DT_PATH_ELLIPSIS = 0x4000,
  DT_END_ELLIPSIS = 0x8000,
  DT_RTLREADING = 0x20000,
  DT_WORD_ELLIPSIS = 0x40000,
  DT_HIDEPREFIX = 0x100000,
};

enum class BackgroundMode { Transparent, Opaque };
// Whether a blend uses only its constant alpha or also the source's per-pixel alpha.
enum class AlphaSource { Constant, PerPixel };
// The direction a two-colour gradient runs in.
enum class GradientDirection { Horizontal, Vertical };

// A vertex of a smooth-shaded triangle: position and 16-bit colour channels as the platform's
// GradientFill takes them (0xFF00 is full intensity).
struct TriVertex {
  int x = 0;
  int y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
  std::uint16_t alpha = 0;
};

struct TextMetrics {
  int height = 0;   // ascent + descent: the line height
  int ascent = 0;
  int descent = 0;
  int averageCharWidth = 0;
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Bitmap& target() { return target_; }

  // Origin: the device position of logical (0, 0).
  Point origin() const { return state_.origin; }
  void setOrigin(Point p) { state_.origin = p; }
  void translate(int dx, int dy) { state_.origin = state_.origin + Point{dx, dy}; }

  // Clip in logical coordinates. A new canvas is clipped to the bitmap.
  Region clipRegion() const;
  void setClipRegion(const Region& logical);
  void intersectClip(const Rect& logical);
  void excludeClip(const Rect& logical);
  void resetClip();  // back to the whole bitmap
  Rect clipBox() const;  // logical
  bool isVisible(const Rect& logical) const;

  // Saves origin, clip, font, colours and modes; restore pops.
  void save();
  void restore();
  class StateSaver {
   public:
    explicit StateSaver(Canvas& c) : canvas_(c) { canvas_.save(); }
    ~StateSaver() { canvas_.restore(); }
    StateSaver(const StateSaver&) = delete;
    StateSaver& operator=(const StateSaver&) = delete;
   private:
    Canvas& canvas_;
  };

  // Text state.
  const Font& font() const { return state_.font; }
  void setFont(const Font& f) { state_.font = f; }
  Color textColor() const { return state_.font.color; }
  void setTextColor(Color c) { state_.font.color = c; }
  BackgroundMode backgroundMode() const { return state_.bkMode; }
  void setBackgroundMode(BackgroundMode m) { state_.bkMode = m; }
  Color backgroundColor() const { return state_.bkColor; }
  void setBackgroundColor(Color c) { state_.bkColor = c; }

  // Fills and shapes. Colours may be system colours; they are resolved. The pixels written are
  // opaque (alpha 0xFF) on 32-bit targets too.
  void fillRect(const Rect& r, Color c);
  void frameRect(const Rect& r, Color c, int thickness = 1);
  // A line from a to b; like the platform's LineTo, the end point itself is not drawn.
  void drawLine(Point a, Point b, Color c, int width = 1);
  void drawPolyline(std::span<const Point> points, Color c, int width = 1);
  void fillPolygon(std::span<const Point> points, Color c);
  void fillRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Color c);
  void frameRoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, Color c, int width = 1);
  void fillEllipse(const Rect& r, Color c);
  void frameEllipse(const Rect& r, Color c, int width = 1);
  // Smooth-shaded triangles, each given by three indices into `vertices`. Colours are exact at
  // the vertices' pixels; a 32-bit target also gets the interpolated alpha.
  void gradientFillTriangles(std::span<const TriVertex> vertices, std::span<const std::array<int, 3>> triangles);
  // Horizontal or vertical two-colour gradient over a rectangle.
  void gradientFillRect(const Rect& r, Color from, Color to, GradientDirection direction);

  // Blits. Pixels are copied as they are (alpha byte included) within the clip; a 24-bit source
  // drawn on a 32-bit target comes out opaque. Blits within the same bitmap may overlap.
  void drawBitmap(Point dst, const Bitmap& src, const Rect& srcRect);
  void drawBitmap(Point dst, const Bitmap& src) { drawBitmap(dst, src, src.bounds()); }
  // Scaled copy (nearest pixel: destination column x takes source column
  // srcRect.left + (x - dst.left) * srcWidth / dstWidth, rows likewise).
  void stretchBitmap(const Rect& dst, const Bitmap& src, const Rect& srcRect);
  // Copy leaving out source pixels of the transparent colour; scaled when the sizes differ.
  void drawBitmapTransparent(const Rect& dst, const Bitmap& src, const Rect& srcRect, Color transparent);
  // Blend with a constant alpha (0 to 255), and per-pixel alpha of a 32-bit premultiplied source.
  void alphaBlend(const Rect& dst, const Bitmap& src, const Rect& srcRect, std::uint8_t constantAlpha, AlphaSource alpha);
  // Copies this canvas' device pixels (logical rectangle) out into a bitmap.
  Bitmap grab(const Rect& logical) const;
  // The same into an existing bitmap at its (0, 0), which keeps its size (no allocation); what
  // lies outside either bitmap is left as it was.
  void grabInto(const Rect& logical, Bitmap& out) const;
  // Finishes pending drawing and tells cairo that the target's pixels may change: call it before
  // code reads or writes the target bitmap's rows directly.
  void syncPixels();
  // Direct row access to the target within the current clip and origin: `fn(ClippedRows&)` may
  // write the rows it is given and nothing else (pending drawing is finished before, and the
  // drawing library told after).
  template <typename Fn>
  void writeRows(Fn&& fn) {
    beginPixels();
    ClippedRows rows(target_, state_.clip, state_.origin);
    fn(rows);
    endPixels();
  }

  // Text, in the current font and text colour; an opaque background mode fills the text's box
  // with the background colour first.
  TextMetrics textMetrics() const;
  Size textExtent(std::string_view text) const;
  int textWidth(std::string_view text) const { return textExtent(text).width; }
  void textOut(int x, int y, std::string_view text);
  // Draws text in `r`; returns the text height (with DT_VCENTER or DT_BOTTOM, the offset from
  // r.top to the bottom of the text). With DT_CALCRECT nothing is drawn: r.right becomes
  // r.left + the widest line and r.bottom r.top + the text height (with DT_WORDBREAK the lines
  // are broken at r's width first). Prefix '&' underlines the next character unless
  // DT_NOPREFIX; "&&" is '&'.
  int drawText(std::string_view text, Rect& r, unsigned flags);
  int drawText(std::string_view text, const Rect& r, unsigned flags) {
    Rect copy = r;
    return drawText(text, copy, flags & ~static_cast<unsigned>(DT_CALCRECT));
  }

  // The cairo context, set up with the current origin and clip, for drawing code that needs more
  // than the calls above (page viewer, banner player). Valid until the next canvas call.
  cairo_t* cairo();

 private:
  struct State {
    Point origin;
    Region clip;  // device coordinates, always within the bitmap
    Font font;
    BackgroundMode bkMode = BackgroundMode::Opaque;
    Color bkColor = clWhite;
  };
  // cairo objects are made on first use; a canvas that only fills and blits never makes them.
  void ensureCairo();
  void endUserCairo();
  void applyClip();  // the state's clip into the cairo context (device coordinates)
  // Direct pixel access: cairo's pending drawing is flushed before, and cairo told after.
  void beginPixels();
  void endPixels();
  std::vector<Rect> clipRects(const Rect* extraDeviceClip = nullptr) const;
  Pixel solidPixel(Color c) const;
  void fillDeviceRect(const Rect& device, Pixel p, const Rect* extraDeviceClip = nullptr);
  void fillSpans(const std::vector<Rect>& clips, int y, int x0, int x1, Pixel p);
  // Shows a laid-out line with its top-left at device (x, y) in the text colour.
  void showLayout(PangoLayout* layout, int x, int y, const Rect* extraDeviceClip);

  Bitmap& target_;
  State state_;
  std::vector<State> saved_;
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surface_{nullptr, cairo_surface_destroy};
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> cr_{nullptr, cairo_destroy};
  const void* surfacePixels_ = nullptr;  // the bitmap memory the surface wraps
  bool userCairo_ = false;               // cairo() handed out a set-up context
};

}  // namespace tavra
