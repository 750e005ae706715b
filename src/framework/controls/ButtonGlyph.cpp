#include "framework/controls/ButtonGlyph.h"

#include <algorithm>

#include "framework/core/Draw3D.h"

namespace tavra {

void TButtonGlyph::setGlyph(Bitmap b) {
  glyph_ = std::move(b);
  if (!glyph_.isEmpty() && glyph_.format() != PixelFormat::Bits32) {
    glyph_.transparent = true;
    glyph_.transparentColor = glyph_.colorAt(0, glyph_.height() - 1);
  }
}

void TButtonGlyph::setNumGlyphs(int n) { numGlyphs_ = std::clamp(n, 1, kMaxGlyphs); }

Size TButtonGlyph::glyphSize() const {
  if (glyph_.isEmpty()) return {};
  return {glyph_.width() / numGlyphs_, glyph_.height()};
}

ButtonContentLayout TButtonGlyph::layout(Canvas& canvas, const Rect& client, const std::string& caption, TButtonLayout layout,
                                         int margin, int spacing) const {
  Size gs = glyphSize();
  Rect tr{0, 0, client.width(), 0};
  Size ts{};
  if (!caption.empty()) {
    canvas.drawText(caption, tr, DT_CALCRECT | DT_SINGLELINE);
    ts = tr.size();
  }
  bool horizontal = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  Point gp, tp;
  if (horizontal) {
    gp.y = (client.height() - gs.height + 1) / 2;
    tp.y = (client.height() - ts.height + 1) / 2;
  } else {
    gp.x = (client.width() - gs.width + 1) / 2;
    tp.x = (client.width() - ts.width + 1) / 2;
  }
  if (ts.width == 0 || gs.width == 0) spacing = 0;
  int extent = horizontal ? client.width() : client.height();
  int total = horizontal ? gs.width + ts.width : gs.height + ts.height;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (extent - total) / 3;
      spacing = margin;
    } else {
      margin = (extent - (total + spacing)) / 2;
    }
  } else if (spacing == -1) {
    spacing = (extent - margin - total) / 2;
  }
  switch (layout) {
    case TButtonLayout::blGlyphLeft:
      gp.x = margin;
      tp.x = gp.x + gs.width + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      gp.x = client.width() - margin - gs.width;
      tp.x = gp.x - spacing - ts.width;
      break;
    case TButtonLayout::blGlyphTop:
      gp.y = margin;
      tp.y = gp.y + gs.height + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      gp.y = client.height() - margin - gs.height;
      tp.y = gp.y - spacing - ts.height;
      break;
  }
  ButtonContentLayout out;
  out.glyph = gp + client.topLeft();
  out.text = Rect::fromSize(tp.x, tp.y, ts.width, ts.height).offsetBy(client.topLeft());
  return out;
}

void TButtonGlyph::drawGlyph(Canvas& c, Point at, TButtonState state) const {
  if (glyph_.isEmpty()) return;
  Size gs = glyphSize();
  int index = static_cast<int>(state);
  if (index >= numGlyphs_) index = state == TButtonState::bsExclusive && numGlyphs_ > 2 ? 2 : 0;
  Rect src = Rect::fromSize(index * gs.width, 0, gs.width, gs.height);
  Rect dst = Rect::fromSize(at.x, at.y, gs.width, gs.height);
  bool embossed = state == TButtonState::bsDisabled && numGlyphs_ < 2;
  if (!embossed) {
    if (glyph_.format() == PixelFormat::Bits32) c.alphaBlend(dst, glyph_, src, 255, AlphaSource::PerPixel);
    else c.drawBitmapTransparent(dst, glyph_, src, glyph_.transparentColor);
    return;
  }
  // A disabled look made from the picture: its shape in white, one pixel down-right, and in
  // grey on top. Dark pixels make the shape.
  Bitmap mono(gs.width, gs.height);
  for (Color ink : {systemColorValue(static_cast<int>(SysColor::BtnHighlight)), systemColorValue(static_cast<int>(SysColor::BtnShadow))}) {
    Pixel inkPixel = pixelFromColor(ink);
    Pixel hole = pixelFromColor(clFuchsia);
    for (int y = 0; y < gs.height; ++y) {
      const Pixel* s = glyph_.row(y) + src.left;
      Pixel* d = mono.row(y);
      for (int x = 0; x < gs.width; ++x) {
        Pixel p = s[x];
        bool transparentPixel = glyph_.format() == PixelFormat::Bits32 ? alphaOf(p) < 128 : colorFromPixel(p) == glyph_.transparentColor;
        int luminance = (static_cast<int>((p >> 16) & 0xFF) * 30 + static_cast<int>((p >> 8) & 0xFF) * 59 + static_cast<int>(p & 0xFF) * 11) / 100;
        d[x] = (!transparentPixel && luminance < 192) ? inkPixel : hole;
      }
    }
    Point offset = ink == systemColorValue(static_cast<int>(SysColor::BtnHighlight)) ? Point{1, 1} : Point{0, 0};
    c.drawBitmapTransparent(dst.offsetBy(offset), mono, mono.bounds(), clFuchsia);
  }
}

Rect TButtonGlyph::draw(Canvas& c, const Rect& client, Point offset, const std::string& caption, TButtonLayout layoutKind,
                        int margin, int spacing, TButtonState state, unsigned textFlags) const {
  ButtonContentLayout l = layout(c, client, caption, layoutKind, margin, spacing);
  drawGlyph(c, l.glyph + offset, state);
  Rect text = l.text.offsetBy(offset);
  if (!caption.empty()) {
    c.setBackgroundMode(BackgroundMode::Transparent);
    unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | textFlags;
    if (state == TButtonState::bsDisabled) {
      DrawDisabledText(c, caption, text, flags);
    } else {
      c.drawText(caption, text, flags);
    }
  }
  return text;
}

}  // namespace tavra
