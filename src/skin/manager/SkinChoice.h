#pragma once
// Which skin a name stands for, the first that applies:
//   1. the package file <skin folder text>/<name>.asz;
//   2. the folder <resolved skin folder>/<name> holding "Options.dat" (an unpacked skin);
//   3. the internal skin named exactly <name> (letter case counts);
//   4. the first internal skin, whose name the manager then takes;
//   5. none, when there are no internal skins: skinning goes off.
// Files and folders are found whatever the letter case of their names, an exact match first.
#include <string>
#include <string_view>

namespace tavra {

class TsStoredSkins;
struct TsStoredSkin;

enum class SkinOrigin { Package, Folder, Internal, FirstInternal, None };

struct SkinChoice {
  SkinOrigin origin = SkinOrigin::None;
  std::string path;                       // the package file, or the skin folder with its final "/", as found
  const TsStoredSkin* internal = nullptr;  // the internal skin of steps 3 and 4
  std::string name;                       // the skin's name after the choice
};

struct SkinChoiceQuery {
  std::string_view skinDirectory;          // as stored
  std::string_view resolvedSkinDirectory;  // ResolveSkinDirectory
  std::string_view name;
  const TsStoredSkins& internalSkins;
};

// Step 1: the package file of the name, as found, or empty.
std::string findSkinPackage(std::string_view skinDirectory, std::string_view name);
// Steps 2 to 5, when there is no package.
SkinChoice chooseUnpackedOrInternalSkin(const SkinChoiceQuery& query);

}  // namespace tavra
