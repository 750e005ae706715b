#include "ResidentMemory.h"

#include <unistd.h>

#include <fstream>

namespace tavra::soak {

std::uint64_t residentBytes() {
  // /proc/self/statm: total and resident size, in pages.
  std::ifstream statm("/proc/self/statm");
  std::uint64_t total = 0;
  std::uint64_t resident = 0;
  if (!(statm >> total >> resident)) return 0;
  long page = sysconf(_SC_PAGESIZE);
  return resident * static_cast<std::uint64_t>(page > 0 ? page : 4096);
}

}  // namespace tavra::soak
