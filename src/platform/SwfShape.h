#pragma once
// A shape definition turned into drawable geometry at load time: layers drawn in order, each
// with its styles, one closed path per fill style and one open or closed path per stroke.
// Coordinates are integer twips in the shape's own space.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/SwfRecords.h"

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

struct SwfShape {
  std::uint16_t id = 0;
  SwfRect bounds;
  bool nonZeroWinding = false;
  std::vector<SwfShapeLayer> layers;
  std::size_t edgeCount = 0;
};

}  // namespace tavra
