#pragma once
// Builds the skin model from a skin's options and images in three steps, always run in this
// order: LoadMasks (the master bitmap and the masks), LoadPatterns (large JPEG backgrounds; small
// ones become texture masks), LoadGeneralData (the header, the sections, the common sections,
// the colour adjustments and the border indices). Each step replaces its part of the model. A
// conversion error stops the step; what it appended so far stays.
#include <utility>

#include "skin/data/SkinLoadInput.h"
#include "skin/data/SkinStatus.h"

namespace tavra {

class SkinModel;

class SkinLoader {
 public:
  SkinLoader(SkinModel& model, SkinLoadInput input) : model_(model), input_(std::move(input)) {}

  SkinStatus LoadMasks();
  SkinStatus LoadPatterns();
  SkinStatus LoadGeneralData();
  // The three steps in order, stopping at the first error.
  SkinStatus LoadAll();

 private:
  SkinStatus appendMask(const std::string& section, const std::string& key, const std::string& value);
  SkinStatus readHeader();

  SkinModel& model_;
  SkinLoadInput input_;
};

}  // namespace tavra
