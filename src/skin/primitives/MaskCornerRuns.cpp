#include "skin/primitives/MaskCornerRuns.h"

#include <algorithm>

#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

std::vector<Rect> transparentCornerRuns(const SkinModel& model, int maskIndex, Size size) {
  std::vector<Rect> runs;
  const MaskFrame frame = maskFrame(model, maskIndex, 0);
  if (!frame.valid()) return runs;
  const TsMaskData& mask = *frame.mask;
  auto addRuns = [&](int sourceX, int sourceY, int pieceWidth, int rows, int targetX, int targetY) {
    for (int y = 0; y < rows; ++y) {
      const Pixel* row = frame.source->row(sourceY + y) + sourceX;
      int x = 0;
      while (x < pieceWidth) {
        if (!skinpx::isFuchsia(row[x])) {
          ++x;
          continue;
        }
        const int start = x;
        while (x < pieceWidth && skinpx::isFuchsia(row[x])) ++x;
        runs.push_back(Rect::fromSize(targetX + start, targetY + y, x - start, 1));
      }
    }
  };
  const int wl = std::clamp<int>(mask.WL, 0, frame.frameWidth), wr = std::clamp<int>(mask.WR, 0, frame.frameWidth);
  const int wt = std::clamp<int>(mask.WT, 0, frame.frameHeight), wb = std::clamp<int>(mask.WB, 0, frame.frameHeight);
  const Point o = frame.origin;
  addRuns(o.x, o.y, wl, wt, 0, 0);
  addRuns(o.x + frame.frameWidth - wr, o.y, wr, wt, size.width - wr, 0);
  addRuns(o.x, o.y + frame.frameHeight - wb, wl, wb, 0, size.height - wb);
  addRuns(o.x + frame.frameWidth - wr, o.y + frame.frameHeight - wb, wr, wb, size.width - wr, size.height - wb);
  return runs;
}

}  // namespace tavra
