#pragma once
// One section of a skin: its colours, transparency, gradients, flags and the indices of its
// border and corner masks.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Color.h"
#include "skin/data/TsGradArray.h"

namespace tavra {

// A colour field that holds no colour (text contour colours, unset indices read as colours).
constexpr Color kNoColor = 0xFFFFFFFFu;

// Text colour, then the contour colours of the left, top, right and bottom sides.
using FontColors = std::array<Color, 5>;
constexpr FontColors kDefaultFontColors = {0, kNoColor, kNoColor, kNoColor, kNoColor};

struct TsGeneralData {
  std::string ParentClass;
  std::string SectionName;
  tavra::Color Color = 0xFFFFFF;
  FontColors FontColor = kDefaultFontColors;
  FontColors HotFontColor = kDefaultFontColors;
  bool GiveOwnFont = false;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  bool ReservedBoolean = false;
  std::int32_t Transparency = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData = " ";
  TsGradArray GradientSteps;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  tavra::Color HotColor = 0xFFFFFF;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  TsGradArray HotGradientSteps;
  std::int32_t HotImagePercent = 0;
  std::int32_t BorderMask = -1;
  std::int32_t CornerTopLeft = -1;
  std::int32_t CornerTopRight = -1;
  std::int32_t CornerBottomLeft = -1;
  std::int32_t CornerBottomRight = -1;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

}  // namespace tavra
