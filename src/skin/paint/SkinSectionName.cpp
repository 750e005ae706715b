#include "skin/paint/SkinSectionName.h"

#include "framework/Control.h"

namespace tavra {

SkinSectionName& SkinSectionName::operator=(std::string name) {
  if (name == name_) return *this;
  name_ = std::move(name);
  owner_.Invalidate();
  return *this;
}

}  // namespace tavra
