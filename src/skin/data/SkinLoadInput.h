#pragma once
// What the three loader steps read besides the model: the options store (none for an internal
// skin described by its stored collections), the package whose entries hold the images (none
// for an unpacked skin, whose files lie in the header's SkinPath), the skin's name and the
// stored skins, the common sections and the colour adjustments.
#include <string>
#include <vector>

namespace tavra {

class IniStore;
class TacSkinConvertor;
class TsStoredSkins;

struct SkinLoadInput {
  const IniStore* options = nullptr;
  const TacSkinConvertor* package = nullptr;  // set for packed skins (IsPacked)
  std::string SkinName;
  const TsStoredSkins* InternalSkins = nullptr;
  std::vector<std::string> CommonSections;  // INI lines, blanks removed (normalizeCommonSectionLines)
  int HueOffset = 0;
  int Saturation = 0;

  bool IsPacked() const { return package != nullptr; }
};

}  // namespace tavra
