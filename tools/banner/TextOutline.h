#pragma once
// The outlines of a line of text, from pango and cairo, as lines and quadratic curves ready for a
// shape: cubic curves are split until a quadratic matches them within a twip.
#include <string>
#include <vector>

#include "SwfShapeBuilder.h"

namespace tavra::banner {

struct TextFont {
  std::string family = "DejaVu Sans";
  int weight = 400;  // 400 regular, 700 bold
  bool italic = false;
  double sizePx = 16;
};

class TextOutline {
 public:
  TextOutline(const std::string& text, const TextFont& font);

  // Ink extents in pixels relative to the baseline's left end (y grows downwards).
  double inkLeft() const { return inkLeft_; }
  double inkRight() const { return inkRight_; }
  double inkTop() const { return inkTop_; }
  double inkBottom() const { return inkBottom_; }

  // Adds the outlines with the baseline's left end at (x, y) pixels, drawn with fill style
  // `fill` (non-zero winding keeps overlapping contours filled).
  void addTo(SwfShapeBuilder& shape, double x, double y, int fill) const;

 private:
  enum class Op { Move, Line, Cubic, Close };
  struct Element {
    Op op = Op::Move;
    Point p[3];
  };
  std::vector<Element> elements_;
  double inkLeft_ = 0, inkRight_ = 0, inkTop_ = 0, inkBottom_ = 0;
};

}  // namespace tavra::banner
