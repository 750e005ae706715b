#include "platform/banner/SwfFrameMemory.h"

namespace tavra {

const Bitmap* SwfFrameMemory::find(const SwfDrawList& list, std::size_t hash) const {
  auto it = byHash_.find(hash);
  if (it == byHash_.end()) return nullptr;
  for (const Frame& frame : it->second) {
    if (frame.list.drawsSameAs(list)) return &frame.picture;
  }
  return nullptr;
}

void SwfFrameMemory::keep(const SwfDrawList& list, std::size_t hash, const Bitmap& picture) {
  std::size_t size = static_cast<std::size_t>(picture.stride()) * static_cast<std::size_t>(picture.height());
  if (bytes_ + size > budget_ || find(list, hash)) return;
  byHash_[hash].push_back(Frame{list, picture});
  bytes_ += size;
  ++frames_;
}

void SwfFrameMemory::clear() {
  byHash_.clear();
  bytes_ = 0;
  frames_ = 0;
}

}  // namespace tavra
