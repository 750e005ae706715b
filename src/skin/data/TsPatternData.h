#pragma once
// A large JPEG background of a skin (90000 pixels or more).
#include <memory>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

namespace tavra {

struct TsPatternData {
  std::unique_ptr<Bitmap> Image;  // the decoded picture, or none
  std::string SectionName;
  std::string PropertyName;
};

using TsPatternArray = std::vector<TsPatternData>;

}  // namespace tavra
