#pragma once
// A skin stored inside the program: normally a skin package ("Data"); a skin whose package is
// empty is described by three collections carrying the model's records as properties.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/Color.h"
#include "gfx/Bitmap.h"

namespace tavra {

// A section of a stored skin. FontColor and HotFontColor are texts of five blank-separated
// integers.
struct TsSkinGeneral {
  std::string SectionName;
  std::string ParentClass;
  tavra::Color Color = 0xFFFFFF;
  bool ReservedBoolean = false;
  std::string FontColor;
  std::string HotFontColor;
  std::int32_t Transparency = 0;
  std::int32_t GlowCount = 0;
  std::int32_t GlowMargin = 0;
  std::int32_t GradientPercent = 0;
  std::string GradientData;
  std::int32_t ImagePercent = 0;
  bool ShowFocus = false;
  bool FadingEnabled = false;
  std::int32_t FadingIterations = 5;
  tavra::Color HotColor = 0xFFFFFF;
  std::int32_t HotTransparency = 0;
  std::int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  std::int32_t HotImagePercent = 0;
  std::string Name;
  bool GiveOwnFont = false;
};

// A mask of a stored skin: an image of its own (Image with a non-empty Name) or a region
// (Left, Top, Right, Bottom) of the master bitmap.
struct TsSkinImage {
  std::string SectionName;
  std::optional<Bitmap> Image;
  std::string Name;
  std::string PropertyName;
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  std::int16_t ImageCount = 0;
  std::int16_t MaskType = 0;
  std::int16_t BorderWidth = 0;
  std::int16_t StretchMode = 0;
  std::uint8_t ImgType = 0;
  std::int16_t WL = 0;
  std::int16_t WR = 0;
  std::int16_t WT = 0;
  std::int16_t WB = 0;
};

// A JPEG background of a stored skin; an item without image shares the image of another item of
// the same Name.
struct TsSkinPattern {
  std::string SectionName;
  std::optional<Bitmap> Image;
  std::string Name;
  std::string PropertyName;
};

struct TsStoredSkin {
  std::string Name;
  std::vector<TsSkinGeneral> GeneralData;
  std::vector<TsSkinImage> Images;
  std::vector<TsSkinPattern> Patterns;
  Bitmap MasterBitmap;
  std::int32_t Shadow1Color = 0;
  std::int32_t Shadow1Offset = 0;
  std::int32_t Shadow1Blur = -1;
  std::int32_t Shadow1Transparency = 0;
  Color BorderColor = 0xFF00FF;
  double Version = 0;
  std::string Author;
  std::string Description;
  std::vector<std::uint8_t> Data;  // a skin package, or empty
};

}  // namespace tavra
