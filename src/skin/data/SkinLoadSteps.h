#pragma once
// The parts of loading that skins from options files and skins from stored collections share:
// the common sections' masks, patterns and sections, the version check, and the finishing step
// (colour adjustment, border and corner indices).
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/SkinStatus.h"
#include "skin/data/TsGeneralData.h"

namespace tavra {

class SkinModel;

constexpr std::string_view kSkinVersionNotice =
    "This version of skin have not complete support by used CorvexKit package release.\n"
    "Components must be updated to latest version for using this skin.";
constexpr double kNewestSupportedSkinVersion = 6.29;

// Shows the version notice for skins newer than the engine supports; loading goes on.
void runSkinVersionCheck(double version);

// Masks of BMP files and "#" regions named in the common sections.
SkinStatus addCommonMasks(SkinModel& model, const std::vector<std::string>& lines);
// Patterns of JPEG files named in the common sections, whatever their size.
void addCommonPatterns(SkinModel& model, const std::vector<std::string>& lines);
// New sections from the common sections; a section the skin already has wins.
SkinStatus mergeCommonSections(SkinModel& model, const std::vector<std::string>& lines);

// GradientSteps and HotGradientSteps from their texts (a text of one space gives none).
SkinStatus parseSectionGradients(TsGeneralData& section);

// Hue and saturation, the repairs that make the model safe to paint, then the border and corner
// indices of the sections.
void finishGeneralData(SkinModel& model, int hueOffset, int saturation);

// Adds the section and key to a conversion error.
Error inOption(const std::string& error, std::string_view section, std::string_view key);

}  // namespace tavra
