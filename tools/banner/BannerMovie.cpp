#include "BannerMovie.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "SwfShapeBuilder.h"
#include "SwfTags.h"
#include "TextOutline.h"

namespace tavra::banner {
namespace {

constexpr double kTwips = 20.0;
constexpr double kPi = 3.14159265358979323846;

// Character ids.
enum : std::uint16_t {
  kBackground = 1,
  kGlow = 2,
  kRing = 3,
  kRipples = 4,
  kPins = 5,
  kTitle = 6,
  kSubtitle = 7,
  kEquation = 8,
  kTravellingWave = 9,
  kFirstString = 100,  // one string shape per frame
};

// Depths, back to front.
enum : std::uint16_t {
  dBackground = 1,
  dGlow,
  dTravellingWave,
  dRipplesLeft,
  dRipplesRight,
  dString,
  dPins,
  dTitleShadow,
  dTitle,
  dSubtitle,
  dEquation,
};

// The string: fixed ends at x0 and x1 pixels on the line y = kStringY.
constexpr double kStringX0 = 262;
constexpr double kStringX1 = 466;
constexpr double kStringY = 62;
constexpr int kStringSamples = 48;

Point px(double x, double y) { return {x * kTwips, y * kTwips}; }

// Displacement (pixels) at x in 0..1 along the string at frame f: the second mode with a period
// of 36 frames and the third with 24, so the sum repeats every 72 frames.
double stringDisplacement(double x, int frame) {
  double t = frame / static_cast<double>(BannerMovie::kFrames);
  return 17.0 * std::sin(2 * kPi * x) * std::cos(2 * kPi * 2 * t) +
         8.0 * std::sin(3 * kPi * x) * std::cos(2 * kPi * 3 * t + 0.6);
}

Bytes backgroundShape() {
  // Vertical: the gradient square's x axis turned to run downwards.
  FillStyle sky;
  sky.kind = FillKind::Linear;
  double h = BannerMovie::kHeight * kTwips;
  sky.matrix = Matrix{.scaleX = 0, .scaleY = 0, .skew0 = h / 32768.0, .skew1 = -h / 32768.0,
                      .tx = static_cast<std::int32_t>(h / 2), .ty = static_cast<std::int32_t>(h / 2)};
  sky.stops = {{0, 0x0B1A36FF}, {150, 0x123A66FF}, {255, 0x1B5285FF}};
  SwfShapeBuilder s;
  int fill = s.addFill(sky);
  s.moveTo(px(0, 0));
  s.selectStyles(0, fill, 0);
  s.polygon({px(0, 0), px(BannerMovie::kWidth, 0), px(BannerMovie::kWidth, BannerMovie::kHeight), px(0, BannerMovie::kHeight)});
  return s.defineShapeTag(kBackground);
}

// A soft light behind the title: a radial gradient fading to transparent.
Bytes glowShape() {
  SwfShapeBuilder s;
  int fill = s.addFill(FillStyle::gradient(FillKind::Focal, px(-10, -30).x, px(0, -30).y, px(260, 0).x, px(0, 132).y,
                                           {{0, 0x5FA8FF55}, {120, 0x3C7DD022}, {255, 0x1B528500}}, -0.35));
  s.moveTo(px(0, 0));
  s.selectStyles(0, fill, 0);
  s.polygon({px(0, 0), px(250, 0), px(250, BannerMovie::kHeight), px(0, BannerMovie::kHeight)});
  return s.defineShapeTag(kGlow);
}

// A ring of light 40 px in radius: transparent inside and out, bright at the rim.
Bytes ringShape() {
  SwfShapeBuilder s;
  int fill = s.addFill(FillStyle::gradient(FillKind::Radial, px(-40, 0).x, px(0, -40).y, px(40, 0).x, px(0, 40).y,
                                           {{0, 0xFFFFFF00}, {175, 0xFFFFFF00}, {228, 0xFFFFFFFF}, {255, 0xFFFFFF00}}));
  s.selectStyles(0, fill, 0);
  s.circle({0, 0}, 40 * kTwips);
  return s.defineShapeTag(kRing);
}

// Three rings, each growing from a point to full size over 36 frames while fading out, a third
// of the way apart.
Bytes ripplesSprite() {
  constexpr int kPeriod = 36;
  constexpr int kRings = 3;
  std::vector<Bytes> tags;
  for (int frame = 0; frame < kPeriod; ++frame) {
    for (int ring = 0; ring < kRings; ++ring) {
      double phase = ((frame + ring * kPeriod / kRings) % kPeriod) / static_cast<double>(kPeriod);
      double scale = 0.06 + 0.94 * phase;
      ColorTransform fade;
      fade.mult[3] = static_cast<int>(std::lround(256 * (1 - phase) * (1 - phase)));
      Matrix m = Matrix::scale(scale, scale);
      auto depth = static_cast<std::uint16_t>(ring + 1);
      tags.push_back(frame == 0 ? tags::place(depth, kRing, m, fade) : tags::move(depth, m, fade));
    }
    tags.push_back(tags::showFrame());
  }
  return tags::defineSprite(kRipples, tags);
}

Bytes stringShape(int frame, std::uint16_t id) {
  SwfShapeBuilder s;
  int glow = s.addLine({.width = 7 * 20, .rgba = 0xFFC8643C, .cap = Cap::Round});
  int core = s.addLine({.width = 2 * 20 + 10, .rgba = 0xFFE6A8FF, .cap = Cap::Round});
  std::vector<Point> p;
  for (int i = 0; i <= kStringSamples; ++i) {
    double x = i / static_cast<double>(kStringSamples);
    p.push_back(px(kStringX0 + (kStringX1 - kStringX0) * x, kStringY + stringDisplacement(x, frame)));
  }
  auto mid = [](Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
  for (int line : {glow, core}) {
    // A smooth curve through the samples: controls at the samples, anchors between them.
    s.moveTo(p.front());
    s.selectStyles(0, 0, line);
    s.lineTo(mid(p[0], p[1]));
    for (std::size_t i = 1; i + 1 < p.size(); ++i) s.curveTo(p[i], mid(p[i], p[i + 1]));
    s.lineTo(p.back());
  }
  return s.defineShapeTag(id);
}

Bytes pinsShape() {
  SwfShapeBuilder s;
  int fill = s.addFill(FillStyle::solid(0xFFF1D0FF));
  int rim = s.addLine({.width = 20, .rgba = 0x0B1A36FF});
  s.selectStyles(0, fill, rim);
  s.circle(px(kStringX0, kStringY), 3.5 * kTwips);
  s.selectStyles(0, fill, rim);
  s.circle(px(kStringX1, kStringY), 3.5 * kTwips);
  return s.defineShapeTag(kPins);
}

// One period of a sine, 96 px long, repeated past both ends so that a shift by a whole period
// looks the same.
Bytes travellingWaveShape() {
  constexpr double kWavelength = 96;
  constexpr double kAmplitude = 4;
  constexpr double kY = 94;
  SwfShapeBuilder s;
  int line = s.addLine({.width = 30, .rgba = 0x8FD3FF70});
  int samplesPerWave = 16;
  int waves = static_cast<int>(std::ceil(BannerMovie::kWidth / kWavelength)) + 3;
  std::vector<Point> p;
  for (int i = 0; i <= waves * samplesPerWave; ++i) {
    double x = -kWavelength + i * kWavelength / samplesPerWave;
    p.push_back(px(x, kY + kAmplitude * std::sin(2 * kPi * x / kWavelength)));
  }
  auto mid = [](Point a, Point b) { return Point{(a.x + b.x) / 2, (a.y + b.y) / 2}; };
  s.moveTo(p.front());
  s.selectStyles(0, 0, line);
  s.lineTo(mid(p[0], p[1]));
  for (std::size_t i = 1; i + 1 < p.size(); ++i) s.curveTo(p[i], mid(p[i], p[i + 1]));
  s.lineTo(p.back());
  return s.defineShapeTag(kTravellingWave);
}

Bytes textShape(std::uint16_t id, const std::string& text, const TextFont& font, double x, double baseline,
                const FillStyle& fill) {
  TextOutline outline(text, font);
  SwfShapeBuilder s;
  s.setNonZeroWinding(true);
  int f = s.addFill(fill);
  outline.addTo(s, x, baseline, f);
  return s.defineShapeTag(id);
}

}  // namespace

Bytes BannerMovie::build() {
  constexpr double kTitleX = 20;
  constexpr double kTitleBaseline = 54;
  std::vector<Bytes> t;
  t.push_back(tags::fileAttributes());
  t.push_back(tags::setBackgroundColor(0x0B1A36));

  t.push_back(backgroundShape());
  t.push_back(glowShape());
  t.push_back(ringShape());
  t.push_back(ripplesSprite());
  t.push_back(pinsShape());
  t.push_back(travellingWaveShape());
  t.push_back(textShape(kTitle, "Veltrana", {.family = "DejaVu Serif", .weight = 700, .sizePx = 46}, kTitleX,
                        kTitleBaseline,
                        FillStyle::gradient(FillKind::Linear, px(kTitleX, 0).x, 0, px(kTitleX + 230, 0).x, px(0, kHeight).y,
                                            {{0, 0xFFFFFFFF}, {140, 0xFFF2D2FF}, {255, 0xFFD27AFF}})));
  t.push_back(textShape(kSubtitle, "Часть первая", {.family = "DejaVu Sans", .weight = 400, .sizePx = 18},
                        kTitleX + 3, 82, FillStyle::solid(0xB4DCFFFF)));
  t.push_back(textShape(kEquation, "∂²u/∂t² = a² ∂²u/∂x²", {.family = "Liberation Serif", .italic = true, .sizePx = 15},
                        296, 21, FillStyle::solid(0xE8F2FFFF)));
  for (int frame = 0; frame < kFrames; ++frame) {
    t.push_back(stringShape(frame, static_cast<std::uint16_t>(kFirstString + frame)));
  }

  // Ripples from the antinodes of the second mode, tinted two ways.
  const double antinodeLeft = kStringX0 + (kStringX1 - kStringX0) / 4;
  const double antinodeRight = kStringX0 + 3 * (kStringX1 - kStringX0) / 4;
  ColorTransform cyan{.mult = {110, 210, 256, 190}};
  ColorTransform violet{.mult = {200, 150, 256, 160}};
  ColorTransform shadow{.mult = {0, 0, 0, 150}, .add = {0, 4, 20, 0}};
  constexpr double kWaveStep = 96.0 * 2 / kFrames;  // two wavelengths per loop

  for (int frame = 0; frame < kFrames; ++frame) {
    double equationAlpha = 0.62 + 0.38 * std::cos(2 * kPi * frame / kFrames);
    ColorTransform equationFade{.mult = {256, 256, 256, static_cast<int>(std::lround(256 * equationAlpha))}};
    Matrix wave = Matrix::translate(static_cast<std::int32_t>(std::lround(-frame * kWaveStep * kTwips)), 0);
    auto stringId = static_cast<std::uint16_t>(kFirstString + frame);
    if (frame == 0) {
      t.push_back(tags::place(dBackground, kBackground, {}));
      t.push_back(tags::place(dGlow, kGlow, {}));
      t.push_back(tags::place(dTravellingWave, kTravellingWave, wave));
      t.push_back(tags::place(dRipplesLeft, kRipples, Matrix::scale(0.8, 0.8, static_cast<std::int32_t>(antinodeLeft * kTwips),
                                                                        static_cast<std::int32_t>(kStringY * kTwips)),
                              cyan));
      t.push_back(tags::place(dRipplesRight, kRipples, Matrix::scale(1.1, 1.1, static_cast<std::int32_t>(antinodeRight * kTwips),
                                                                         static_cast<std::int32_t>(kStringY * kTwips)),
                              violet));
      t.push_back(tags::place(dString, stringId, {}));
      t.push_back(tags::place(dPins, kPins, {}));
      t.push_back(tags::place(dTitleShadow, kTitle, Matrix::translate(40, 40), shadow));
      t.push_back(tags::place(dTitle, kTitle, {}));
      t.push_back(tags::place(dSubtitle, kSubtitle, {}));
      t.push_back(tags::place(dEquation, kEquation, {}, equationFade));
    } else {
      t.push_back(tags::move(dTravellingWave, wave));
      t.push_back(tags::replace(dString, stringId));
      t.push_back(tags::move(dEquation, std::nullopt, equationFade));
    }
    t.push_back(tags::showFrame());
  }
  return tags::movieFile(kWidth, kHeight, kFramesPerSecond, t, true);
}

}  // namespace tavra::banner
