#pragma once
// The resident memory of this process, as the kernel counts it.
#include <cstdint>

namespace tavra::soak {

// Bytes resident now; 0 where the system does not say.
std::uint64_t residentBytes();

}  // namespace tavra::soak
