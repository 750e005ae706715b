#pragma once
// Loads the chosen skin into a new model, so that a load that fails leaves the model in use as
// it was. A damaged package, an options value that does not convert and a file that cannot be read
// are errors. A package the reader rejects has been reported by the reader's own warning: it gives
// no model and no error.
#include <memory>
#include <string>
#include <vector>

#include "base/Result.h"
#include "skin/data/SkinModel.h"

namespace tavra {

class TsStoredSkins;
struct SkinChoice;

struct SkinLoadSettings {
  std::string resolvedSkinDirectory;  // ResolveSkinDirectory, without a final separator
  const TsStoredSkins* internalSkins = nullptr;
  std::vector<std::string> commonSections;  // normalised lines
  int hueOffset = 0;
  int saturation = 0;
};

struct LoadedSkinModel {
  std::unique_ptr<SkinModel> model;  // common indices cached, header inactive; null when rejected
  bool isPacked = false;             // the files came from a package (a file or an internal skin's)
  bool rejected = false;             // the package reader refused the package and warned
};

// The choice must name a skin (not SkinOrigin::None).
Result<LoadedSkinModel> loadSkinModel(const SkinChoice& choice, const SkinLoadSettings& settings);

}  // namespace tavra
