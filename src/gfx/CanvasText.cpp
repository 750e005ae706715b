// Text of Canvas: pango layouts shown through the canvas' cairo context.
#include <algorithm>

#include "gfx/Canvas.h"
#include "gfx/TextBlock.h"
#include "gfx/TextEngine.h"

namespace tavra {

TextMetrics Canvas::textMetrics() const { return TextEngine::instance().metrics(state_.font); }

Size Canvas::textExtent(std::string_view text) const {
  TextEngine& engine = TextEngine::instance();
  const int height = engine.metrics(state_.font).height;
  if (text.empty()) return {0, height};
  std::string storage;
  text = validUtf8(text, storage);
  return {TextEngine::pixelWidth(engine.layout(state_.font, {.text = text})), height};
}

void Canvas::showLayout(PangoLayout* layout, int x, int y, const Rect* extraDeviceClip) {
  ensureCairo();
  endUserCairo();
  cairo_t* cr = cr_.get();
  cairo_surface_mark_dirty(surface_.get());
  cairo_save(cr);
  applyClip();
  if (extraDeviceClip) {
    cairo_rectangle(cr, extraDeviceClip->left, extraDeviceClip->top, extraDeviceClip->width(), extraDeviceClip->height());
    cairo_clip(cr);
  }
  const Color c = resolveColor(state_.font.color);
  cairo_set_source_rgb(cr, redOf(c) / 255.0, greenOf(c) / 255.0, blueOf(c) / 255.0);
  cairo_move_to(cr, x, y);
  pango_cairo_show_layout(cr, layout);
  cairo_restore(cr);
}

void Canvas::textOut(int x, int y, std::string_view text) {
  if (text.empty()) return;
  std::string storage;
  text = validUtf8(text, storage);
  TextEngine& engine = TextEngine::instance();
  const int height = engine.metrics(state_.font).height;
  const Point d = Point{x, y} + state_.origin;
  PangoLayout* layout = engine.layout(state_.font, {.text = text});
  if (state_.bkMode == BackgroundMode::Opaque) {
    fillDeviceRect(Rect::fromSize(d.x, d.y, TextEngine::pixelWidth(layout), height), solidPixel(state_.bkColor));
  }
  showLayout(layout, d.x, d.y, nullptr);
}

int Canvas::drawText(std::string_view text, Rect& r, unsigned flags) {
  const TextBlock block = TextBlock::build(state_.font, text, r.width(), flags);
  const int height = block.height();
  if (flags & DT_CALCRECT) {
    r.right = r.left + block.width();
    r.bottom = r.top + height;
    return height;
  }

  int y = r.top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) y = (r.top + r.bottom - height) / 2;
    else if (flags & DT_BOTTOM) y = r.bottom - height;
  }
  const Rect deviceRect = r.offsetBy(state_.origin);
  const Rect* clip = (flags & DT_NOCLIP) ? nullptr : &deviceRect;
  const TextDirection direction = (flags & DT_RTLREADING) ? TextDirection::RightToLeft : TextDirection::Auto;
  const Pixel background = solidPixel(state_.bkColor);
  TextEngine& engine = TextEngine::instance();
  for (const TextLine& line : block.lines()) {
    int x = r.left;
    if (flags & DT_CENTER) x = (r.left + r.right - line.width) / 2;
    else if (flags & DT_RIGHT) x = r.right - line.width;
    const Point d = Point{x, y} + state_.origin;
    if (state_.bkMode == BackgroundMode::Opaque && line.width > 0) {
      fillDeviceRect(Rect::fromSize(d.x, d.y, line.width, block.lineHeight()), background, clip);
    }
    if (!line.text.empty()) {
      PangoLayout* layout = engine.layout(
          state_.font, {.text = line.text, .underlines = line.underlines, .tabWidth = block.tabWidth(), .direction = direction});
      showLayout(layout, d.x, d.y, clip);
    }
    y += block.lineHeight();
  }
  return y - r.top;
}

}  // namespace tavra
