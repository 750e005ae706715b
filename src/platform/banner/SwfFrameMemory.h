#pragma once
// Frames already drawn, kept by what they show: a looping movie shows the same pictures again
// on every round, so from the second round on a frame is copied instead of drawn. Holds frames
// up to a budget of bytes; once full it keeps what it has (a loop longer than the budget still
// finds its first frames) and takes no more.
#include <cstddef>
#include <unordered_map>
#include <vector>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfDrawList.h"

namespace tavra {

class SwfFrameMemory {
 public:
  static constexpr std::size_t kDefaultBudgetBytes = 16u * 1024 * 1024;

  explicit SwfFrameMemory(std::size_t budgetBytes = kDefaultBudgetBytes) : budget_(budgetBytes) {}

  // The picture kept for a frame that draws what `list` draws, or null.
  const Bitmap* find(const SwfDrawList& list, std::size_t hash) const;
  // Keeps a copy of `picture` as what `list` draws, while the budget allows.
  void keep(const SwfDrawList& list, std::size_t hash, const Bitmap& picture);
  void clear();

  std::size_t frames() const { return frames_; }
  std::size_t bytes() const { return bytes_; }

 private:
  struct Frame {
    SwfDrawList list;
    Bitmap picture;
  };
  std::unordered_map<std::size_t, std::vector<Frame>> byHash_;
  std::size_t budget_ = kDefaultBudgetBytes;
  std::size_t bytes_ = 0;
  std::size_t frames_ = 0;
};

}  // namespace tavra
