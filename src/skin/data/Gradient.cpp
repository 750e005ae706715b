#include "skin/data/Gradient.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "gfx/Canvas.h"
#include "skin/data/SkinValues.h"

namespace tavra {
namespace {

// Channel values of a band, stepped per row or column in floating point.
struct ChannelRamp {
  double r, g, b;
  double dr, dg, db;

  ChannelRamp(Color from, Color to, int length)
      : r(redOf(from)), g(greenOf(from)), b(blueOf(from)),
        dr(static_cast<double>(redOf(to) - redOf(from)) / length),
        dg(static_cast<double>(greenOf(to) - greenOf(from)) / length),
        db(static_cast<double>(blueOf(to) - blueOf(from)) / length) {}

  Pixel current() const {
    auto channel = [](double v) { return std::clamp(static_cast<int>(std::nearbyint(v)), 0, 255); };
    return pixelFromColor(rgb(channel(r), channel(g), channel(b)));
  }
  void advance() {
    r += dr;
    g += dg;
    b += db;
  }
};

//   y = Top ─┬─ step 0 band: rows y0..y1, Color1 → Color2
//            ├─ step 1 band starts on the last row of step 0 (and paints over it)
//   Bottom-1 ┴─ the last step always ends on the last row
void paintVerticalBands(Bitmap& bitmap, const Rect& r, const TsGradArray& steps) {
  const int height = r.height();
  const int lastRow = r.bottom - 1;
  int y = r.top;
  for (size_t i = 0; i < steps.size(); ++i) {
    const int y0 = y;
    const int wanted = y0 + static_cast<int>(static_cast<long long>(height) * steps[i].Percent / 100);
    const int y1 = i + 1 == steps.size() ? lastRow : std::min(wanted, lastRow);
    if (y1 > y0) {
      ChannelRamp ramp(steps[i].Color1, steps[i].Color2, y1 - y0);
      for (int row = y0; row <= y1; ++row) {
        Pixel* line = bitmap.row(row);
        std::fill(line + r.left, line + r.right, ramp.current());
        ramp.advance();
      }
    } else if (wanted > y0) {
      break;  // the band became empty against the bitmap's last row: nothing below remains
    }
    y = y1;
  }
}

void paintHorizontalBands(Bitmap& bitmap, const Rect& r, const TsGradArray& steps) {
  // Every row is the same: compose one row, then copy it down. Bands follow one another from
  // the left edge, so the painted columns run from Left to the end of the last painted band.
  std::vector<Pixel> line(static_cast<size_t>(r.width()));
  const double perPercent = r.width() / 100.0;
  const int lastColumn = r.right - 1;
  int paintedEnd = r.left;
  int x = r.left;
  for (size_t i = 0; i < steps.size(); ++i) {
    const int x0 = x;
    const int wanted = static_cast<int>(std::nearbyint(steps[i].Percent * perPercent + x0));
    const int x1 = i + 1 == steps.size() ? lastColumn : std::min(wanted, lastColumn);
    if (x1 > x0) {
      ChannelRamp ramp(steps[i].Color1, steps[i].Color2, x1 - x0);
      for (int column = x0; column <= x1; ++column) {
        line[static_cast<size_t>(column - r.left)] = ramp.current();
        ramp.advance();
      }
      paintedEnd = x1 + 1;
    }
    x = x1;
  }
  const auto count = static_cast<size_t>(paintedEnd - r.left);
  for (int row = r.top; row < r.bottom && count > 0; ++row) {
    std::copy(line.begin(), line.begin() + static_cast<std::ptrdiff_t>(count), bitmap.row(row) + r.left);
  }
}

//   TL ───────── TR      four triangles meet in the centre C:
//   │ ╲   (1)   ╱ │      (TL, C, TR), (C, TR, BR), (TL, C, BL), (BL, C, BR)
//   │(3)   C  (2) │
//   │ ╱   (4)   ╲ │
//   BL ───────── BR
void paintTriangles(Bitmap& bitmap, const Rect& r, const TsGradArray& steps) {
  const std::array<Point, 5> points = {Point{r.left, r.top}, Point{r.left + r.width() / 2, r.top + r.height() / 2},
                                       Point{r.right, r.top}, Point{r.right, r.bottom}, Point{r.left, r.bottom}};
  std::array<TriVertex, 5> vertices;
  Color color = steps[0].Color1;
  for (size_t i = 0; i < points.size(); ++i) {
    if (i < steps.size()) color = steps[i].Color1;
    vertices[i] = TriVertex{.x = points[i].x,
                            .y = points[i].y,
                            .red = static_cast<std::uint16_t>(redOf(color) * 256),
                            .green = static_cast<std::uint16_t>(greenOf(color) * 256),
                            .blue = static_cast<std::uint16_t>(blueOf(color) * 256),
                            .alpha = 0};
  }
  static constexpr std::array<std::array<int, 3>, 4> kTriangles = {{{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}}};
  Canvas canvas(bitmap);
  canvas.gradientFillTriangles(vertices, kTriangles);
}

}  // namespace

Result<TsGradArray> ParseGradient(std::string_view text) {
  std::vector<std::string_view> words;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) words.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  TsGradArray steps;
  const size_t count = words.size() / 5;
  steps.reserve(count);
  for (size_t g = 0; g < count; ++g) {
    std::int32_t numbers[4] = {};
    for (size_t k = 0; k < 4; ++k) {
      auto value = convertSkinInteger(words[5 * g + k]);
      if (!value) return Error{value.error()};
      numbers[k] = *value;
    }
    steps.push_back(GradientStep{.Color1 = static_cast<Color>(numbers[0]),
                                 .Color2 = static_cast<Color>(numbers[1]),
                                 .Percent = static_cast<std::uint8_t>(std::clamp(numbers[2], 0, 100)),
                                 .Mode = numbers[3]});
  }
  return steps;
}

void PaintGradient(Bitmap& bitmap, const Rect& rect, const TsGradArray& steps) {
  if (steps.empty()) return;
  Rect r{std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, bitmap.width()), std::min(rect.bottom, bitmap.height())};
  if (r.isEmpty()) return;
  switch (steps[0].Mode) {
    case 0: paintVerticalBands(bitmap, r, steps); break;
    case 1: paintHorizontalBands(bitmap, r, steps); break;
    case 2: paintTriangles(bitmap, r, steps); break;
    default: break;
  }
}

}  // namespace tavra
