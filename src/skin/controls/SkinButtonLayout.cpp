#include "skin/controls/SkinButtonLayout.h"

#include <algorithm>

namespace tavra {

namespace {

unsigned alignmentFlag(TAlignment a) {
  switch (a) {
    case TAlignment::taLeftJustify:
      return DT_LEFT;
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taCenter:
      return DT_CENTER;
  }
  return DT_CENTER;
}

}  // namespace

SkinButtonPlacement placeButtonContent(Canvas& canvas, const Rect& client, const SkinButtonContent& c) {
  const bool horizontal = c.layout == TButtonLayout::blGlyphLeft || c.layout == TButtonLayout::blGlyphRight;
  const bool hasGlyph = c.glyph.width > 0 && c.glyph.height > 0;
  const bool hasText = !c.caption.empty();
  int spacing = hasGlyph && hasText ? c.spacing : 0;
  const unsigned lines = c.wordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  const unsigned format = alignmentFlag(c.textAlignment) | DT_EXPANDTABS | lines;

  // The caption's size within the room the glyph leaves.
  Size text{};
  if (hasText) {
    const int room = horizontal ? client.width() - (hasGlyph ? c.glyph.width + std::max(spacing, 0) : 0) - 2 * std::max(c.margin, 0)
                                : client.width() - 2 * std::max(c.margin, 0);
    Rect measure{0, 0, std::max(room, 1), 0};
    canvas.drawText(c.caption, measure, DT_CALCRECT | format);
    text = measure.size();
  }

  const int extent = horizontal ? client.width() : client.height();
  const int total = horizontal ? c.glyph.width + text.width : c.glyph.height + text.height;
  int margin = c.margin;
  // Content wider than the button first gives up the spacing, then the margin.
  if (margin == -1 && spacing > 0 && total + spacing > extent) spacing = std::max(extent - total, 0);
  const bool forward = c.layout == TButtonLayout::blGlyphLeft || c.layout == TButtonLayout::blGlyphTop;
  if (margin == -1 && horizontal && spacing >= 0 && c.alignment != TAlignment::taCenter) {
    // The block goes to one side: the margin is counted from the glyph's side of the button.
    const bool toGlyphSide = (c.alignment == TAlignment::taLeftJustify) == forward;
    margin = toGlyphSide ? SkinButtonContent::kEdge : std::max(extent - total - spacing - SkinButtonContent::kEdge, 0);
  }
  if (margin == -1) {
    if (spacing == -1) {
      margin = (extent - total) / 3;
      spacing = margin;
    } else {
      margin = std::max((extent - (total + spacing)) / 2, 0);
    }
  } else if (spacing == -1) {
    spacing = (extent - margin - total) / 2;
  }

  Point g;
  Point t;
  if (horizontal) {
    g.y = (client.height() - c.glyph.height + 1) / 2;
    t.y = (client.height() - text.height + 1) / 2;
  } else {
    g.x = (client.width() - c.glyph.width + 1) / 2;
    t.x = (client.width() - text.width + 1) / 2;
  }
  switch (c.layout) {
    case TButtonLayout::blGlyphLeft:
      g.x = margin;
      t.x = g.x + c.glyph.width + spacing;
      break;
    case TButtonLayout::blGlyphRight:
      g.x = client.width() - margin - c.glyph.width;
      t.x = g.x - spacing - text.width;
      break;
    case TButtonLayout::blGlyphTop:
      g.y = margin;
      t.y = g.y + c.glyph.height + spacing;
      break;
    case TButtonLayout::blGlyphBottom:
      g.y = client.height() - margin - c.glyph.height;
      t.y = g.y - spacing - text.height;
      break;
  }
  SkinButtonPlacement out;
  out.glyph = g + client.topLeft();
  out.text = Rect::fromSize(t.x + c.textOffset, t.y, text.width, text.height).offsetBy(client.topLeft());
  out.textFormat = format;
  return out;
}

}  // namespace tavra
