#pragma once
// The skin-change animation of one frozen window: its old look (what it shows now) cross-fades
// into its new look (the window printed whole in the new skin), stepped by the skin manager
// together with every other window's. Every step shows a complete picture, so no half-painted
// frame is ever seen.
#include <vector>

#include "gfx/Bitmap.h"
#include "skin/manager/SkinHandOver.h"

namespace tavra {

class Window;

class SkinChangeFade : public SkinChangeAnimation {
 public:
  // Takes the old look from the window's backing and prints the new one.
  explicit SkinChangeFade(Window& window);
  ~SkinChangeFade() override;
  SkinChangeFade(const SkinChangeFade&) = delete;
  SkinChangeFade& operator=(const SkinChangeFade&) = delete;

  // Step k of n into the window's backing: old × (n − k) / n + new × k / n; shown at once.
  void step(int k, int n) override;

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
