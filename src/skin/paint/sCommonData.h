#pragma once
// The skin binding a skinned control owns, published as its SkinData: the section of the skin
// that paints the control.
#include <string>

namespace tavra {

class TsCommonData {
 public:
  std::string SkinSection;
};

}  // namespace tavra
