#include "winsys/Clock.h"

#include <chrono>

namespace tavra {
namespace {

std::int64_t steadyNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

// Starts at one second so that "no time yet" (0) never equals a real instant.
RealClock::RealClock() : startNs_(steadyNs() - 1'000'000'000) {}

TimeMs RealClock::now() const { return (steadyNs() - startNs_) / 1'000'000; }

}  // namespace tavra
