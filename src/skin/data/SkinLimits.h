#pragma once
// Bounds on what a skin's options may ask of the engine, far above any real skin (real options
// files are 9 to 22 KB with 61 to 67 sections and PARENTCLASS chains of one to three steps).
#include <cstddef>

namespace tavra {

// "Options.dat" larger than this is refused with an error.
constexpr std::size_t kMaxOptionsBytes = 1024 * 1024;
// A PARENTCLASS chain is followed at most this many steps; longer chains are cut like cycles.
constexpr int kMaxParentChain = 64;

}  // namespace tavra
