#pragma once
// A figure of the appendices as an author writes it: a plain text file, one command per line,
// '#' starts a comment. Coordinates are in the units of the axes.
//
//   size 520 300                      picture size in pixels
//   x -0.1 1.1 "x"                    axis range and label (pango markup allowed in labels)
//   y -1.2 1.2 "u"
//   xticks 0.25                       tick step, or explicit ticks: xticks 0 "0" 1 "l"
//   yticks 0.5
//   grid                              light grid at the ticks
//   equal                             same scale on both axes
//   noaxes                            no axes, ticks or axis labels
//   map "J(1,3.832*r)*cos(phi)" disk  colour map of f(x, y) (r, phi polar), nodal lines dark
//   plot "sin(pi*x)" from=0 to=1 color=#c03030 width=2 dash label="n = 1" at=0.5 t=0.1
//   curve "cos(s)" "sin(s)" from=0 to=6.2832     parametric curve in s
//   line 0 0 1 1 / arrow 0 0 1 1      segment, segment with an arrow head
//   polygon 0 0 1 0 0.5 0.5 fill=#f0d080
//   point 0.5 0.5 label="(x, t)" anchor=ne
//   text 0.5 1 "text" anchor=c
//
// Options not listed above whose value is a number (t=0.1) are variables of the expressions.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Result.h"
#include "contentbuild/Expression.h"

namespace tavra::content {

struct FigureColor {
  double r = 0, g = 0, b = 0;
};

enum class FigureShape { Plot, Curve, Line, Arrow, Polygon, Point, Text };

struct FigureItem {
  FigureShape shape = FigureShape::Plot;
  std::vector<Expression> expressions;  // plot: y(x); curve: x(s), y(s)
  std::vector<double> coordinates;      // line, arrow, polygon, point, text
  std::optional<double> from, to;
  std::optional<FigureColor> color;
  std::optional<FigureColor> fill;
  double width = 2.0;
  bool dashed = false;
  std::string label;  // pango markup
  std::optional<double> labelAt;
  std::string anchor;
  Variables variables;
  int line = 0;  // source line, for messages
};

struct FigureAxis {
  double min = 0, max = 1;
  std::string label;
  double tickStep = 0;  // 0: no regular ticks
  std::vector<std::pair<double, std::string>> ticks;  // explicit ticks
};

struct FigureMap {
  std::optional<Expression> expression;
  bool disk = false;
};

struct FigureSource {
  int width = 520, height = 300;
  FigureAxis x, y;
  bool grid = false;
  bool equalScale = false;
  bool axes = true;
  FigureMap map;
  std::vector<FigureItem> items;

  static Result<FigureSource> parse(std::string_view text);
};

}  // namespace tavra::content
