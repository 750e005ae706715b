#pragma once
// The skins built into the program. A library of its own above the skin data, so the tools
// that make the packages (and link the data side) do not need the packages themselves.
#include "skin/data/TsStoredSkins.h"

namespace tavra {

// Every embedded package as a stored skin named "<name> (internal)", in the build's order.
TsStoredSkins builtInSkins();

}  // namespace tavra
