#pragma once
// The font table's symbol fallbacks: a face's family as a family list for text that may hold
// characters the family lacks (∈, ∓ in a serif face): "Liberation Serif,STIXGeneral". The
// fallback of each face lives in the table beside its family (Font.cpp).
#include <string>

namespace tavra {

std::string mapFontFaceWithSymbols(const std::string& faceName);

}  // namespace tavra
