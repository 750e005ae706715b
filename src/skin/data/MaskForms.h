#pragma once
// The forms in which an option value describes a mask, chosen by the value's first character,
// then by whether it holds "#":
//   "^0165^0016^0183^0052^0000^0000^0000^0000^1^1^5^0"  border in the master bitmap
//   "@0133@0166@0181@0180@3@0"                          glyph in the master bitmap
//   "~0028~0028~0030~0030~10~0"                         texture in the master bitmap
//   "!REDBTN.BMP!3!1!2!0007!0007!0007!0007"             an image file of its own
//   "BUTTON.BMP"                                        a whole BMP file as a border
//   "#NAME (l, t, r, b) (count type border stretch)"    a region of the master bitmap
// The master-bitmap forms are parsed here; the file forms need the skin's images (SkinLoader).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/Result.h"
#include "skin/data/TsMaskData.h"

namespace tavra {

enum class MaskForm { None, Border, Glyph, Texture, OwnImage, PlainFile, Region };

MaskForm maskFormOf(std::string_view value);
const char* maskFormName(MaskForm form);

// A mask of the "^", "@", "~" or "#" form (no image; names left empty). A digit field that is
// not an integer is a conversion error. Counts below 1 become 1, mask types below 0 become 0.
Result<TsMaskData> parseMasterRegionMask(MaskForm form, std::string_view value);

// The settings of a "!" value.
struct OwnImageValue {
  std::string fileName;
  bool isPng = false;
  std::int16_t ImageCount = 1;
  std::int16_t MaskType = 0;
  TacImgType ImgType = TacImgType::itisaBorder;
  bool hasWidths = false;  // the value gives WL, WT, WR and WB
  std::int16_t WL = 0, WT = 0, WR = 0, WB = 0;
};
// Nothing when the file name holds neither ".BMP" nor ".PNG" written in capitals (the key is
// skipped); a conversion error when a number word is not an integer or is missing.
Result<std::optional<OwnImageValue>> parseOwnImageValue(std::string_view value);

// The mask of a "!" value over its loaded image: StretchMode 4, Rect the whole image, border
// widths as given or a third of a frame.
TsMaskData ownImageMask(const OwnImageValue& value, int imageWidth, int imageHeight);
// The mask of a whole BMP file: ImageCount 3, MaskType 1, a border, then the width rule.
TsMaskData plainFileMask(int imageWidth, int imageHeight);

}  // namespace tavra
