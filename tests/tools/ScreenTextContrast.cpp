#include "ScreenTextContrast.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "skin/primitives/Contrast.h"

namespace tavra::test {
namespace {

// A mask over the screen, one byte a pixel.
class Mask {
 public:
  Mask(int width, int height) : width_(width), height_(height), bits_(static_cast<size_t>(width) * static_cast<size_t>(height)) {}
  bool at(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_ && bits_[index(x, y)] != 0; }
  void set(int x, int y, std::uint8_t v = 1) { bits_[index(x, y)] = v; }
  std::uint8_t value(int x, int y) const { return bits_[index(x, y)]; }
  // Whether any pixel within `reach` (each way) of (x, y) is set.
  bool near(int x, int y, int reach) const {
    for (int dy = -reach; dy <= reach; ++dy)
      for (int dx = -reach; dx <= reach; ++dx)
        if (at(x + dx, y + dy)) return true;
    return false;
  }

 private:
  size_t index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x); }
  int width_, height_;
  std::vector<std::uint8_t> bits_;
};

constexpr int kJoin = 2;    // strokes this close (each way) belong to one text
constexpr int kMargin = 3;  // how far around the strokes the background is taken
constexpr int kSmallest = 6;  // fewer ink pixels are a dot or a stray pixel, not a text

}  // namespace

std::vector<ScreenText> screenTexts(const Bitmap& skin, const Bitmap& again, const Bitmap& twin) {
  const int w = skin.width(), h = skin.height();
  Mask ink(w, h), unstable(w, h), seen(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (skin.colorAt(x, y) != again.colorAt(x, y)) unstable.set(x, y);
      else if (skin.colorAt(x, y) != twin.colorAt(x, y)) ink.set(x, y);
    }
  }
  std::vector<ScreenText> texts;
  std::vector<Point> stack, strokes;
  for (int y0 = 0; y0 < h; ++y0) {
    for (int x0 = 0; x0 < w; ++x0) {
      if (!ink.at(x0, y0) || seen.at(x0, y0)) continue;
      // One text: the ink pixels reachable in steps of up to kJoin pixels.
      strokes.clear();
      stack.assign(1, Point{x0, y0});
      seen.set(x0, y0);
      Rect box{x0, y0, x0 + 1, y0 + 1};
      while (!stack.empty()) {
        const Point p = stack.back();
        stack.pop_back();
        strokes.push_back(p);
        box = Rect{std::min(box.left, p.x), std::min(box.top, p.y), std::max(box.right, p.x + 1), std::max(box.bottom, p.y + 1)};
        for (int dy = -kJoin; dy <= kJoin; ++dy) {
          for (int dx = -kJoin; dx <= kJoin; ++dx) {
            const int x = p.x + dx, y = p.y + dy;
            if (ink.at(x, y) && !seen.at(x, y)) {
              seen.set(x, y);
              stack.push_back({x, y});
            }
          }
        }
      }
      if (static_cast<int>(strokes.size()) < kSmallest) continue;
      // The ground the text stands on: of the pixels around the strokes that no stroke touches, not
      // even its edge, the one of middle lightness. A box's rim or a focus rectangle's dots beside
      // the strokes are marks of their own, not the ground, and do not shade it.
      std::vector<Color> around;
      bool moving = false;
      for (int y = std::max(0, box.top - kMargin); y < std::min(h, box.bottom + kMargin); ++y) {
        for (int x = std::max(0, box.left - kMargin); x < std::min(w, box.right + kMargin); ++x) {
          if (unstable.at(x, y)) moving = true;
          if (!ink.near(x, y, 1)) around.push_back(skin.colorAt(x, y));
        }
      }
      if (moving || around.empty()) continue;
      const auto middle = around.begin() + static_cast<std::ptrdiff_t>(around.size() / 2);
      std::nth_element(around.begin(), middle, around.end(),
                       [](Color a, Color b) { return ContrastRatio(a, clBlack) < ContrastRatio(b, clBlack); });
      const Color behind = *middle;
      ScreenText text{box, skin.colorAt(strokes.front().x, strokes.front().y), behind, 1.0};
      for (const Point& p : strokes) {
        const double c = ContrastRatio(skin.colorAt(p.x, p.y), behind);
        if (c > text.contrast) {
          text.contrast = c;
          text.ink = skin.colorAt(p.x, p.y);
        }
      }
      texts.push_back(text);
    }
  }
  return texts;
}

}  // namespace tavra::test
