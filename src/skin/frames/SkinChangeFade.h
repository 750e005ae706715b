#pragma once
// The skin-change animation of one frozen window: its old look (what it shows now) cross-fades
// into its new look (the window printed whole in the new skin) in 10 ms steps. Every step shows
// a complete picture, so no half-painted frame is ever seen.
#include <vector>

#include "gfx/Bitmap.h"

namespace tavra {

class Window;

class SkinChangeFade {
 public:
  static constexpr int kStepMs = 10;

  // Takes the old look from the window's backing and prints the new one.
  explicit SkinChangeFade(Window& window);
  ~SkinChangeFade();
  SkinChangeFade(const SkinChangeFade&) = delete;
  SkinChangeFade& operator=(const SkinChangeFade&) = delete;

  // Runs the whole fade over `timeMs` (at least one step); the window ends showing its new look.
  void run(int timeMs);
  // Step k of n into the window's backing: old × (n − k) / n + new × k / n; shown at once.
  void step(int k, int n);

  const Bitmap& oldLook() const { return old_; }
  const Bitmap& newLook() const { return new_; }

 private:
  // A stretch of one row where the two looks differ; elsewhere every step leaves the backing as is.
  struct Run {
    int y = 0;
    int left = 0;
    int right = 0;  // exclusive
  };

  void findChangedRuns();

  Window& window_;
  Bitmap old_;
  Bitmap new_;
  std::vector<Run> runs_;
  Rect changed_;  // the bounds of every run
};

}  // namespace tavra
