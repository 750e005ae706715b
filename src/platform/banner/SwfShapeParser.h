#pragma once
// Reads a DefineShape tag body (versions 1 to 4) and turns its edge records into the layered
// paths of SwfShape: edges are collected per fill and line style, fill edges chained into closed
// contours, line edges kept as separate strokes.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/banner/SwfShape.h"

namespace tavra {

class SwfShapeParser {
 public:
  // Shapes with more edges are cut short: drawing runs on the user interface thread.
  static constexpr std::size_t kMaxEdgesPerShape = 200000;

  // `body` is the tag's data; `version` 1 to 4. Empty when the tag is malformed.
  static std::optional<SwfShape> parse(std::span<const std::uint8_t> body, int version);
};

}  // namespace tavra
