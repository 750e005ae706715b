#pragma once
// The header of a loaded skin: where its loose files are, its version and its global values.
#include <cstdint>
#include <string>

#include "base/Color.h"

namespace tavra {

struct TsSkinData {
  std::string SkinPath;  // folder of the skin's loose files with a final "/"; empty for an internal skin
  bool Active = false;
  double Version = 0;
  std::string Author;
  std::string Description;
  std::int32_t Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  Color BorderColor = 0;
  std::int32_t BISpace = 0;
  std::int32_t BIVAlign = 0;
  std::int32_t BIRight = 0;
  std::int32_t BILeft = 0;
  std::int32_t BICloseGlow = 0;
  std::int32_t BICloseGlowMargin = 0;
  std::int32_t BIMaxGlow = 0;
  std::int32_t BIMaxGlowMargin = 0;
  std::int32_t BIMinGlow = 0;
  std::int32_t BIMinGlowMargin = 0;
};

}  // namespace tavra
