#pragma once
// Draws a figure (axes with ticks and labels, colour maps, curves, segments, polygons, points,
// texts) with cairo and pango and returns it as PNG bytes.
#include <string>

#include "base/Result.h"
#include "contentbuild/FigureSource.h"

namespace tavra::content {

class FigureRenderer {
 public:
  static Result<std::string> renderPng(const FigureSource& spec);
};

}  // namespace tavra::content
