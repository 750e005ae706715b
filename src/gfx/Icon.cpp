#include "gfx/Icon.h"

namespace tavra {

Icon::Icon(Drawing draw) {
  if (draw) pictures_ = std::make_shared<Pictures>(Pictures{std::move(draw), {}});
}

const Bitmap& Icon::at(int size) const {
  static const Bitmap kNone;
  if (!pictures_ || size < 1) return kNone;
  auto [it, made] = pictures_->bySize.try_emplace(size);
  if (made) it->second = pictures_->draw(size);
  return it->second;
}

}  // namespace tavra
