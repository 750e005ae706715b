#pragma once
// Builds a DefineShape4 tag: fill and line styles first, then pen moves, style selections and
// straight or quadratic edges in twips. Edges longer than a record holds are split.
#include <cstdint>
#include <optional>
#include <vector>

#include "SwfBitWriter.h"
#include "SwfStyles.h"

namespace tavra::banner {

struct Point {
  double x = 0;
  double y = 0;
};

class SwfShapeBuilder {
 public:
  // Styles are numbered from 1; 0 selects none.
  int addFill(FillStyle fill);
  int addLine(LineStyle line);
  void setNonZeroWinding(bool on) { nonZero_ = on; }

  // Selects the styles for the edges that follow (fill1 lies right of the direction of travel).
  void selectStyles(int fill0, int fill1, int line);
  void moveTo(Point p);
  void lineTo(Point p);
  void curveTo(Point control, Point to);  // quadratic

  // Closed shapes from points (twips).
  void polygon(const std::vector<Point>& points);
  // A circle of quadratic arcs (eight of them).
  void circle(Point centre, double radius);

  bool isEmpty() const { return edges_ == 0; }
  Bytes defineShapeTag(std::uint16_t id) const;

 private:
  struct Record {
    enum class Kind : std::uint8_t { Style, Line, Curve } kind = Kind::Style;
    std::optional<std::int32_t> moveX, moveY;
    std::optional<int> fill0, fill1, line;
    std::int32_t dx = 0, dy = 0, cdx = 0, cdy = 0;  // edges: control delta (curves) and anchor delta
  };
  Record& styleRecord();
  void include(std::int32_t x, std::int32_t y);
  static std::int32_t twips(double v);

  std::vector<FillStyle> fills_;
  std::vector<LineStyle> lines_;
  std::vector<Record> records_;
  std::int32_t penX_ = 0, penY_ = 0;
  std::int32_t minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
  bool hasBounds_ = false;
  bool nonZero_ = false;
  std::size_t edges_ = 0;
};

}  // namespace tavra::banner
