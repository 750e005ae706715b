#include "MasterAtlas.h"

#include <algorithm>
#include <stdexcept>

namespace tavra::skingen {

AtlasRect MasterAtlas::place(const PixelBlock& block) {
  if (block.width + 1 > kWidth) throw std::runtime_error("a picture wider than the master bitmap");
  if (cursor_ + block.width + 1 > kWidth) {
    shelfTop_ += shelfHeight_;
    shelfHeight_ = 0;
    cursor_ = 0;
  }
  AtlasRect r{cursor_, shelfTop_, cursor_ + block.width, shelfTop_ + block.height};
  cursor_ += block.width + 1;
  shelfHeight_ = std::max(shelfHeight_, block.height + 1);
  placed_.push_back(Placed{r, block});
  return r;
}

PixelBlock MasterAtlas::bitmap() const {
  PixelBlock out{kWidth, std::max(1, shelfTop_ + shelfHeight_), {}};
  out.pixels.assign(static_cast<size_t>(out.width) * static_cast<size_t>(out.height), kMagenta);
  for (const Placed& p : placed_) {
    for (int y = 0; y < p.block.height; ++y) {
      for (int x = 0; x < p.block.width; ++x) out.at(p.rect.left + x, p.rect.top + y) = p.block.at(x, y);
    }
  }
  return out;
}

}  // namespace tavra::skingen
