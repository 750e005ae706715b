#pragma once
// What one frame of a timeline draws, flattened: every shape on the display list (mask shapes
// included) with its place in the tree of depths, its matrix to device pixels, its colour
// transforms and the device pixels it can touch. Two lists compared give the area where two
// frames can differ, so a player redraws only that.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Region.h"
#include "platform/banner/SwfRecords.h"
#include "platform/banner/SwfShape.h"

namespace tavra {

class SwfMovie;
class SwfTimeline;

class SwfDrawList {
 public:
  struct Item {
    std::vector<std::uint16_t> key;    // depths from the root timeline down to the shape
    std::vector<std::uint16_t> masks;  // the keys of the masks it is seen through, each led by its length
    const SwfShape* shape = nullptr;
    SwfMatrix world;                   // shape twips to device pixels
    std::vector<SwfColorTransform> colors;  // outermost first
    bool mask = false;                 // drawn as (part of) a mask, not seen itself
    Rect bounds;                       // device pixels it can touch

    // Same shape, same place, same paint: draws the same pixels.
    bool drawsSameAs(const Item& other) const;
  };

  // The pixels (device space) a shape drawn through `world` can touch, antialiasing included;
  // `stageScale` is device pixels per stage twip (for strokes of a fixed width).
  static Rect deviceBounds(const SwfShape& shape, const SwfMatrix& world, double stageScale);

  SwfDrawList() = default;
  SwfDrawList(const SwfMovie& movie, const SwfTimeline& root, const SwfMatrix& world);

  const std::vector<Item>& items() const { return items_; }
  // Same items drawn the same way: the two frames are the same picture.
  bool drawsSameAs(const SwfDrawList& other) const;
  // Equal for lists that draw the same.
  std::size_t hash() const;
  // Where the frame of `next` can differ from this one: the bounds of every shape that came,
  // went, moved or changed its paint, before and after.
  Region changedTo(const SwfDrawList& next) const;

 private:
  struct Walk;
  std::vector<Item> items_;  // in drawing order, which is ascending key order
};

}  // namespace tavra
