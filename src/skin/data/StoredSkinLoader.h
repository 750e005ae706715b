#pragma once
// The loader steps for an internal skin without a package: its records come from the stored
// skin's collections (found by the exact skin name). Nothing is inherited at load time.
#include "skin/data/SkinLoadInput.h"
#include "skin/data/SkinStatus.h"

namespace tavra {

class SkinModel;
struct TsStoredSkin;

class StoredSkinLoader {
 public:
  StoredSkinLoader(SkinModel& model, const SkinLoadInput& input) : model_(model), input_(input) {}

  SkinStatus LoadMasks();
  SkinStatus LoadPatterns();
  SkinStatus LoadGeneralData();

 private:
  const TsStoredSkin* storedSkin() const;

  SkinModel& model_;
  const SkinLoadInput& input_;
};

}  // namespace tavra
