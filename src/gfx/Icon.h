#pragma once
// An icon: one picture that can be had at any square size, as a 32-bit premultiplied bitmap
// transparent around the picture. It is made by a drawing function, once per size; copies share
// the pictures made so far. An empty icon has no drawing.
#include <functional>
#include <map>
#include <memory>

#include "gfx/Bitmap.h"

namespace tavra {

class Icon {
 public:
  using Drawing = std::function<Bitmap(int size)>;

  Icon() = default;
  explicit Icon(Drawing draw);

  bool isEmpty() const { return !pictures_; }
  // The picture at size × size pixels; an empty bitmap for an empty icon or a size below 1.
  const Bitmap& at(int size) const;

 private:
  struct Pictures {
    Drawing draw;
    std::map<int, Bitmap> bySize;
  };
  std::shared_ptr<Pictures> pictures_;
};

}  // namespace tavra
