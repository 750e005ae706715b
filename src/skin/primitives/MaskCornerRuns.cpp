#include "skin/primitives/MaskCornerRuns.h"

#include <algorithm>
#include <cassert>

#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {

std::vector<Rect> transparentCornerRuns(const SkinModel& model, int maskIndex, Size size) {
  std::vector<Rect> runs;
  const MaskFrame frame = maskFrame(model, maskIndex, 0);
  if (!frame.valid()) return runs;
  auto addRuns = [&](int sourceX, int sourceY, int pieceWidth, int rows, int targetX, int targetY) {
    assert(pictureHolds(*frame.source, Rect::fromSize(sourceX, sourceY, pieceWidth, rows)));
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
  // Widths cut to the frame: every corner lies in it.
  const BorderWidths w = frameBorderWidths(frame);
  const int wl = w.left, wr = w.right, wt = w.top, wb = w.bottom;
  const Point o = frame.origin;
  addRuns(o.x, o.y, wl, wt, 0, 0);
  addRuns(o.x + frame.frameWidth - wr, o.y, wr, wt, size.width - wr, 0);
  addRuns(o.x, o.y + frame.frameHeight - wb, wl, wb, 0, size.height - wb);
  addRuns(o.x + frame.frameWidth - wr, o.y + frame.frameHeight - wb, wr, wb, size.width - wr, size.height - wb);
  return runs;
}

}  // namespace tavra
