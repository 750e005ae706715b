#pragma once
// A shape definition turned into drawable geometry at load time: layers drawn in order, each
// with its styles, one closed path per fill style and one open or closed path per stroke.
// Coordinates are integer twips in the shape's own space.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/banner/SwfRecords.h"

namespace tavra {

struct SwfPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const SwfPoint&, const SwfPoint&) = default;
};

// A path: move-to commands start sub-paths; line and quadratic curve edges continue them.
struct SwfPathOp {
  enum class Kind : std::uint8_t { MoveTo, LineTo, CurveTo };
  Kind kind = Kind::MoveTo;
  SwfPoint control;  // CurveTo only
  SwfPoint to;
};

struct SwfPath {
  std::vector<SwfPathOp> ops;
  bool closeSubpaths = false;  // fills: every contour is closed; strokes: closed when it ends where it began
};

struct SwfFillPath {
  std::size_t style = 0;  // index into the layer's fill styles
  SwfPath path;
};

struct SwfStrokePath {
  std::size_t style = 0;  // index into the layer's line styles
  SwfPath path;
};

struct SwfShapeLayer {
  std::vector<SwfFillStyle> fillStyles;
  std::vector<SwfLineStyle> lineStyles;
  std::vector<SwfFillPath> fills;      // ascending style index
  std::vector<SwfStrokePath> strokes;  // ascending style index
};

// An axis-aligned box in twips; empty until a point is added.
struct SwfBox {
  double xMin = 0;
  double yMin = 0;
  double xMax = -1;
  double yMax = -1;
  bool isEmpty() const { return xMax < xMin || yMax < yMin; }
  void add(double x, double y) {
    if (isEmpty()) {
      xMin = xMax = x;
      yMin = yMax = y;
      return;
    }
    xMin = std::min(xMin, x);
    xMax = std::max(xMax, x);
    yMin = std::min(yMin, y);
    yMax = std::max(yMax, y);
  }
  void add(const SwfBox& b) {
    if (b.isEmpty()) return;
    add(b.xMin, b.yMin);
    add(b.xMax, b.yMax);
  }
  SwfBox inflated(double d) const { return isEmpty() ? *this : SwfBox{xMin - d, yMin - d, xMax + d, yMax + d}; }
};

struct SwfShape {
  std::uint16_t id = 0;
  SwfRect bounds;  // as the file declares them
  // Every point a fill or a stroke of the shape can touch, measured from the geometry (the
  // declared bounds may be wrong). Strokes that do not scale with the object reach past it by
  // up to fixedStrokeReach twips of the stage.
  SwfBox drawnBounds;
  double fixedStrokeReach = 0;
  bool nonZeroWinding = false;
  std::vector<SwfShapeLayer> layers;
  std::size_t edgeCount = 0;
};

}  // namespace tavra
