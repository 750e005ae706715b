// tavra-soak [STEPS] [SEED]: runs the whole program on the headless display through STEPS random
// user steps (10 000 by default), checking after each one that no box appeared unasked and that
// the windows are in a state the hand-over rules allow. It samples the resident memory and
// prints its growth after the first 500 steps, and how often each URL was asked to be opened (the
// URLs are recorded only: no browser or mail composer starts). Exits non-zero at the first failed
// check.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "ResidentMemory.h"
#include "SoakRun.h"
#include "program/ContentPaths.h"

namespace {

constexpr std::uint64_t kDefaultSteps = 10000;
constexpr std::uint64_t kWarmUpSteps = 500;
constexpr std::uint64_t kReportEvery = 1000;

double megabytes(std::uint64_t bytes) { return static_cast<double>(bytes) / (1024.0 * 1024.0); }

bool parseCount(const char* text, std::uint64_t& out) {
  char* end = nullptr;
  unsigned long long value = std::strtoull(text, &end, 10);
  if (!end || *end != '\0' || end == text) return false;
  out = value;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::uint64_t steps = kDefaultSteps;
  std::uint64_t seed = 1;
  if (argc > 3 || (argc > 1 && !parseCount(argv[1], steps)) || (argc > 2 && !parseCount(argv[2], seed))) {
    std::fprintf(stderr, "usage: tavra-soak [STEPS] [SEED]\n");
    return 2;
  }
  // The self-test's mark pictures are looked up from the current directory: the content store's.
  const std::string root = tavra::content::root();
  if (root.empty() || chdir(root.c_str()) != 0) {
    std::fprintf(stderr, "tavra-soak: cannot enter the content folder %s\n", root.c_str());
    return 1;
  }

  tavra::soak::SoakRun run(seed);
  const std::uint64_t start = tavra::soak::residentBytes();
  std::uint64_t afterWarmUp = start;
  std::uint64_t peak = start;
  std::printf("tavra-soak: %llu steps, seed %llu; resident at start %.1f MiB\n", static_cast<unsigned long long>(steps),
              static_cast<unsigned long long>(seed), megabytes(start));
  for (std::uint64_t i = 1; i <= steps; ++i) {
    if (!run.step()) {
      std::printf("tavra-soak: step %llu (%s) failed: %s\n", static_cast<unsigned long long>(i), run.lastStep().c_str(),
                  run.failure().c_str());
      return 1;
    }
    const std::uint64_t now = tavra::soak::residentBytes();
    peak = std::max(peak, now);
    if (i == std::min(kWarmUpSteps, steps)) afterWarmUp = now;
    if (i % kReportEvery == 0 || i == steps) {
      std::printf("  step %6llu: resident %.1f MiB\n", static_cast<unsigned long long>(i), megabytes(now));
      std::fflush(stdout);
    }
  }
  const std::uint64_t end = tavra::soak::residentBytes();
  const double growth = afterWarmUp ? 100.0 * (static_cast<double>(end) - static_cast<double>(afterWarmUp)) / static_cast<double>(afterWarmUp) : 0.0;
  std::printf("tavra-soak: all %llu steps passed; resident after %llu steps %.1f MiB, at the end %.1f MiB (growth %+.2f %%), peak %.1f MiB\n",
              static_cast<unsigned long long>(steps), static_cast<unsigned long long>(std::min(kWarmUpSteps, steps)),
              megabytes(afterWarmUp), megabytes(end), growth, megabytes(peak));
  std::printf("  graded tests shown: %llu; steps:", static_cast<unsigned long long>(run.resultsShown()));
  for (const auto& [name, count] : run.stepCounts()) std::printf(" %s %llu;", name.c_str(), static_cast<unsigned long long>(count));
  std::printf("\n");
  std::map<std::string, std::uint64_t> opened;
  for (const std::string& url : run.openedUrls()) ++opened[url];
  std::printf("  URLs asked to open (recorded, none started): %zu;", run.openedUrls().size());
  for (const auto& [url, count] : opened) std::printf(" %s %llu;", url.c_str(), static_cast<unsigned long long>(count));
  std::printf("\n");
  return 0;
}
