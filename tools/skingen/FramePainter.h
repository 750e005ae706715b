#pragma once
// Draws the nine-part border pictures of a skin: the rims of controls in the skin's material,
// window frames and caption bars, tabs for each side, menu and divider lines.
#include "MaskImage.h"
#include "SkinDescription.h"

namespace tavra::skingen {

enum class BorderPart { Button, Edit, Panel, PanelLow, GroupBox, PageControl, Hint, Menu, MenuItem, ScrollButton,
                        Slider, ScrollTrack, TitleButton, Huge, Gauge };

struct Border {
  MaskImage image;
  int corner = 0;  // the four border widths
};

class FramePainter {
 public:
  explicit FramePainter(const SkinDescription& d) : d_(d) {}

  // States of controls: 0 normal, 1 hot, 2 pressed (frames as many as the part has).
  Border control(BorderPart part) const;
  // Tabs: 0 normal, 1 hot, 2 selected; `side` 0 top, 1 bottom, 2 left, 3 right.
  Border tab(int side) const;
  // The window frame (3 pixels) for state 0 inactive and 1 active.
  Border windowFrame() const;
  // The caption bar (22 pixels high: frame and caption): frames inactive and active. The
  // border widths are `captionCorner()` at the sides and top, 2 at the bottom.
  MaskImage caption() const;
  int captionCorner() const;
  // Two lines, dark over light, as the menu separator (horizontal) or a divider (vertical).
  MaskImage dividerLines(bool vertical) const;

  int radiusFor(BorderPart part) const;

 private:
  void drawRim(cairo_t* paint, cairo_t* shape, double w, double h, double radius, int state, BorderPart part) const;
  Rgb rimColour(int state, BorderPart part) const;

  const SkinDescription& d_;
};

// A rounded rectangle path with its own radius at each corner (top-left, top-right,
// bottom-right, bottom-left).
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double tl, double tr, double br, double bl);
void setColour(cairo_t* cr, const Rgb& c, double alpha = 1.0);

}  // namespace tavra::skingen
