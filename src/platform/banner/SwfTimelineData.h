#pragma once
// The parsed timeline of a movie or a sprite: for each frame, the display-list tags that run
// when it is entered. Frames end at ShowFrame tags.
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "platform/banner/SwfRecords.h"

namespace tavra {

// PlaceObject, PlaceObject2 and PlaceObject3 in one form.
struct SwfPlaceTag {
  std::uint16_t depth = 0;
  bool move = false;  // modifies what is at the depth instead of placing anew
  std::optional<std::uint16_t> characterId;
  std::optional<SwfMatrix> matrix;
  std::optional<SwfColorTransform> colorTransform;
  // A mask: not drawn itself; it clips the objects above it up to this depth. 0: not a mask.
  std::uint16_t clipDepth = 0;
};

struct SwfRemoveTag {
  std::uint16_t depth = 0;
};

using SwfControlTag = std::variant<SwfPlaceTag, SwfRemoveTag>;

struct SwfTimelineData {
  std::vector<std::vector<SwfControlTag>> frames;
  // After the last frame the timeline goes back to frame 1: more than one frame and an End tag.
  bool loops = false;
};

struct SwfSprite {
  std::uint16_t id = 0;
  SwfTimelineData timeline;
};

}  // namespace tavra
