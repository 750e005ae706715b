#pragma once
// The last rendered frame of a player, kept as a bitmap together with what it shows, so that the
// next frame is drawn only where it differs: between two frames of a banner most of the picture
// (the background, the titles) stays as it was. The bottom shapes of the root timeline that
// stay the same from frame to frame (a sky, a glow) are kept drawn in a second bitmap, the
// underlay, so that a changed area starts from a copy of it instead of drawing them again. And
// the frames drawn are remembered (SwfFrameMemory), so a looping movie's next rounds are copied.
#include <cstddef>
#include <vector>

#include "base/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "platform/banner/SwfDrawList.h"
#include "platform/banner/SwfFrameMemory.h"

namespace tavra {

class SwfMovie;
class SwfPlayer;

class SwfFrameCache {
 public:
  // `memoryBytes`: how much the remembered frames may take (0: none are kept).
  explicit SwfFrameCache(std::size_t memoryBytes = SwfFrameMemory::kDefaultBudgetBytes) : memory_(memoryBytes) {}

  // Brings the bitmap to the player's current frame at `size`, redrawing only what changed
  // since the last update (everything after clear(), a new size or a new movie). Returns the
  // pixels redrawn.
  Region update(const SwfPlayer& player, Size size);
  // The whole picture is drawn again at the next update.
  void clear();

  const Bitmap& bitmap() const { return frame_; }
  const SwfFrameMemory& memory() const { return memory_; }
  // How many shapes the underlay holds (0: none).
  std::size_t underlayShapes() const { return underlayItems_.size(); }

 private:
  // Whether `now` still starts with the underlay's shapes, unchanged.
  bool underlayHolds(const SwfDrawList& now) const;
  void buildUnderlay(const SwfPlayer& player, const SwfDrawList& now, const Rect& all);
  void dropUnderlay();

  Bitmap frame_;
  Bitmap underlay_;
  SwfFrameMemory memory_;
  std::vector<SwfDrawList::Item> underlayItems_;
  int underlayTop_ = 0;  // the root depth the underlay stops below
  SwfDrawList shown_;  // what the bitmap shows
  const SwfMovie* movie_ = nullptr;
  bool valid_ = false;
};

}  // namespace tavra
