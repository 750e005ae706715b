#include "skin/frames/FrameShape.h"

#include <optional>

#include "skin/data/SkinModel.h"
#include "skin/primitives/MaskFrames.h"
#include "skin/primitives/SkinPixels.h"

namespace tavra {
namespace {

// Runs of magenta in columns [x0, x1) of a source row, as rectangles on window row `wy`, each
// shifted by dx.
void scanRow(const MaskFrame& f, int row, int x0, int x1, int wy, int dx, std::vector<Rect>& out) {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, f.frameWidth);
  const Pixel* p = f.source->row(f.origin.y + row) + f.origin.x;
  int runStart = -1;
  for (int x = x0; x <= x1; ++x) {
    const bool magenta = x < x1 && skinpx::isFuchsia(p[x]);
    if (magenta && runStart < 0) runStart = x;
    if (!magenta && runStart >= 0) {
      out.push_back({runStart + dx, wy, x + dx, wy + 1});
      runStart = -1;
    }
  }
}

void scanRows(const MaskFrame& f, int firstRow, int rows, int windowTop, Size window, std::vector<Rect>& out) {
  const TsMaskData& m = *f.mask;
  const int wl = std::min<int>(m.WL, f.frameWidth);
  const int wr = std::min<int>(m.WR, f.frameWidth);
  for (int i = 0; i < rows; ++i) {
    const int row = firstRow + i;
    if (row < 0 || row >= f.frameHeight) continue;
    const int wy = windowTop + i;
    if (wy < 0 || wy >= window.height) continue;
    scanRow(f, row, 0, wl, wy, 0, out);
    scanRow(f, row, f.frameWidth - wr, f.frameWidth, wy, window.width - f.frameWidth, out);
  }
}

}  // namespace

std::vector<Rect> frameCutRects(const SkinModel& model, int formBorderMask, int captionBorderMask, Size window) {
  std::vector<Rect> cuts;
  if (const MaskFrame f = maskFrame(model, formBorderMask, 0); f.valid()) {
    const int wt = std::min<int>(f.mask->WT, f.frameHeight);
    const int wb = std::min<int>(f.mask->WB, f.frameHeight);
    scanRows(f, 0, wt, 0, window, cuts);
    scanRows(f, f.frameHeight - wb, wb, window.height - wb, window, cuts);
  }
  if (const MaskFrame f = maskFrame(model, captionBorderMask, 0); f.valid()) {
    scanRows(f, 0, std::min<int>(f.mask->WT, f.frameHeight), 0, window, cuts);
  }
  return cuts;
}

std::optional<Region> frameRegion(const std::vector<Rect>& cuts, Size window) {
  if (cuts.empty()) return std::nullopt;
  Region r(Rect::fromSize(0, 0, window.width, window.height));
  for (const Rect& c : cuts) r.subtract(c);
  return r;
}

}  // namespace tavra
