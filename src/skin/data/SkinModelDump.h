#pragma once
// The loaded skin model as stable text, one field per line: the header, every section with every
// field (gradient steps included), every mask (image size instead of pixels), every pattern and
// the common indices. Used by `skinlint --dump` and for comparing loads.
#include <string>

namespace tavra {

class SkinModel;

std::string dumpSkinModel(const SkinModel& model);

}  // namespace tavra
