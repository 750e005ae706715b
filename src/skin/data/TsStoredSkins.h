#pragma once
// The skins stored inside the program, in their order.
#include <string_view>
#include <vector>

#include "skin/data/TsStoredSkin.h"

namespace tavra {

class TsStoredSkins {
 public:
  std::vector<TsStoredSkin>& items() { return items_; }
  const std::vector<TsStoredSkin>& items() const { return items_; }
  TsStoredSkin& add() { return items_.emplace_back(); }
  bool empty() const { return items_.empty(); }
  int count() const { return static_cast<int>(items_.size()); }

  // The skin whose Name equals `name` exactly, or null.
  const TsStoredSkin* find(std::string_view name) const;

 private:
  std::vector<TsStoredSkin> items_;
};

}  // namespace tavra
