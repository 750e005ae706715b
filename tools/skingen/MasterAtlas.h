#pragma once
// The master bitmap being filled: pictures are placed on shelves, left to right and top to
// bottom, with a one-pixel magenta gap; each placement answers with its rectangle.
#include <cstdint>
#include <vector>

#include "MaskImage.h"

namespace tavra::skingen {

struct AtlasRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class MasterAtlas {
 public:
  static constexpr int kWidth = 320;

  AtlasRect place(const PixelBlock& block);
  // The whole master bitmap, magenta where nothing was placed.
  PixelBlock bitmap() const;

 private:
  struct Placed {
    AtlasRect rect;
    PixelBlock block;
  };
  std::vector<Placed> placed_;
  int shelfTop_ = 0, shelfHeight_ = 0, cursor_ = 0;
};

}  // namespace tavra::skingen
