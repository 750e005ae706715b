// The banner player on movies that public reference players draw in a way ours once did not:
// gradients with more than 8 stops in the older shape tags, a mask sprite with a clip layer of
// its own, strokes that do not scale with their object, and gradient stops that share a ratio.
// Each is a small generated movie with pixel checks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfPlayer.h"
#include "SwfTestWriter.h"

namespace tavra {
namespace {

using namespace swftest;
constexpr int kPx = 20;  // twips per pixel

Bitmap renderMovie(const Bytes& movieBytes, Size size = {100, 100}) {
  SwfPlayer player;
  EXPECT_TRUE(player.loadFromBytes(movieBytes)) << player.loadError();
  Bitmap bitmap(size.width, size.height);
  player.render(bitmap, bitmap.bounds());
  return bitmap;
}

void expectNear(Color actual, Color expected, int tolerance, const std::string& where) {
  EXPECT_NEAR(redOf(actual), redOf(expected), tolerance) << where;
  EXPECT_NEAR(greenOf(actual), greenOf(expected), tolerance) << where;
  EXPECT_NEAR(blueOf(actual), blueOf(expected), tolerance) << where;
}

// --- Gradients with more than 8 stops in DefineShape 1 to 3 -------------------------------------

TEST(SwfRenderCases, GradientWithTenStopsInDefineShape3IsDrawnWithEveryStop) {
  // Five flat bands of 20 px across the 100 px square, made of ten stops.
  Bytes fill = gradientFill(0x10, 0, 0, 100 * kPx, 100 * kPx,
                            {{0, 255, 0, 0, 255},
                             {51, 255, 0, 0, 255},
                             {52, 0, 255, 0, 255},
                             {102, 0, 255, 0, 255},
                             {103, 0, 0, 255, 255},
                             {153, 0, 0, 255, 255},
                             {154, 255, 255, 0, 255},
                             {204, 255, 255, 0, 255},
                             {205, 0, 0, 0, 255},
                             {255, 0, 0, 0, 255}});
  Bitmap b = renderMovie(movie(100, 100, {background(255, 255, 255), rectShape(1, 0, 0, 100 * kPx, 100 * kPx, fill),
                                          place(1, 1), showFrame(), end()}));
  const Color bands[] = {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 0), rgb(0, 0, 0)};
  for (int i = 0; i < 5; ++i) {
    expectNear(b.colorAt(10 + 20 * i, 50), bands[i], 2, "band " + std::to_string(i));
  }
}

// --- A mask sprite that holds its own clip layer -------------------------------------------------

TEST(SwfRenderCases, MaskSpriteWithItsOwnClipLayerMasksWithWhatItsLayerLetsThrough) {
  // The sprite: its left half (layer 1, a mask) clips its top half (layer 2): its covered area
  // is the top-left quarter. The root masks a red square with the sprite.
  Bytes m = movie(100, 100,
                  {background(255, 255, 255), rectShape(1, 0, 0, 50 * kPx, 100 * kPx, solidFill(0, 0, 0)),
                   rectShape(2, 0, 0, 100 * kPx, 50 * kPx, solidFill(0, 0, 0)),
                   rectShape(3, 0, 0, 100 * kPx, 100 * kPx, solidFill(255, 0, 0)),
                   sprite(10, {placeMask(1, 1, 2), place(2, 2), showFrame()}), placeMask(1, 10, 2), place(2, 3),
                   showFrame(), end()});
  Bitmap b = renderMovie(m);
  struct Probe {
    int x, y;
    Color expected;
  };
  for (Probe p : {Probe{25, 25, rgb(255, 0, 0)}, Probe{75, 25, clWhite}, Probe{25, 75, clWhite}, Probe{75, 75, clWhite}}) {
    EXPECT_EQ(b.colorAt(p.x, p.y), p.expected) << p.x << ", " << p.y;
  }
}

// --- Strokes that do not scale ---------------------------------------------------------------------

// DefineShape4: a horizontal line 2 px wide from (0, 0) to (20, 0) px, with the given
// no-horizontal-scale and no-vertical-scale bits; butt caps.
Bytes lineShape(std::uint16_t id, bool noH, bool noV) {
  BitWriter w;
  w.u16(id);
  w.rect(0, 20 * kPx, -kPx, kPx);
  w.rect(0, 20 * kPx, 0, 0);
  w.u8(0);
  w.u8(0);  // no fills
  w.u8(1);
  w.u16(2 * kPx);
  w.ub(1, 2);  // no start cap
  w.ub(0, 2);  // round join
  w.ub(0, 1);  // no fill
  w.ub(noH, 1);
  w.ub(noV, 1);
  w.ub(0, 1);  // no pixel hinting
  w.ub(0, 5);
  w.ub(0, 1);
  w.ub(1, 2);  // no end cap
  w.rgba(0, 0, 0, 255);
  w.u8(0x01);  // 0 fill bits, 1 line bit
  w.ub(0, 1);
  w.ub(0x09, 5);  // line style, move to
  w.ub(2, 5);
  w.sb(0, 2);
  w.sb(0, 2);
  w.ub(1, 1);
  int bits = signedBits(20 * kPx);
  w.ub(1, 1);
  w.ub(1, 1);
  w.ub(static_cast<std::uint32_t>(bits - 2), 4);
  w.ub(0, 1);  // not general
  w.ub(0, 1);  // horizontal
  w.sb(20 * kPx, bits);
  w.ub(0, 6);
  return tag(DefineShape4, w.take());
}

// PlaceObject2 with a scale and a translation (twips).
Bytes placeScaled(std::uint16_t depth, std::uint16_t id, double sx, double sy, int tx, int ty) {
  BitWriter w;
  w.u8(0x06);
  w.u16(depth);
  w.u16(id);
  w.matrix(sx, sy, 0, 0, tx, ty);
  return tag(PlaceObject2, w.take());
}

// Dark rows in the column x = 50.
int thickness(const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < b.height(); ++y) {
    Color c = b.colorAt(50, y);
    if (redOf(c) < 128) ++n;
  }
  return n;
}

TEST(SwfRenderCases, StrokesThatDoNotScaleKeepTheirWidth) {
  struct Case {
    const char* name;
    bool noH, noV;
    double sx, sy;
    int expected;  // rows
  };
  const Case cases[] = {
      {"scaling, 4 × 4", false, false, 4, 4, 8},
      {"fixed both ways, 4 × 4", true, true, 4, 4, 2},
      {"fixed both ways, 4 × 8", true, true, 4, 8, 2},
      {"fixed vertically, 4 × 8: follows the horizontal scale", false, true, 4, 8, 8},
      {"fixed horizontally, 4 × 2: follows the vertical scale", true, false, 4, 2, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Bitmap b = renderMovie(movie(100, 100, {background(255, 255, 255), lineShape(1, c.noH, c.noV),
                                            placeScaled(1, 1, c.sx, c.sy, 10 * kPx, 50 * kPx), showFrame(), end()}));
    EXPECT_EQ(thickness(b), c.expected);
    EXPECT_EQ(b.colorAt(50, 50), clBlack) << "the line runs through the middle";
  }
}

TEST(SwfRenderCases, StrokesThatDoNotScaleFollowTheStageScale) {
  // The stage drawn at twice its size: the fixed 2 px width doubles with it.
  Bitmap b = renderMovie(movie(50, 50, {background(255, 255, 255), lineShape(1, true, true),
                                        placeScaled(1, 1, 2, 2, 5 * kPx, 25 * kPx), showFrame(), end()}),
                         {100, 100});
  EXPECT_EQ(thickness(b), 4);
}

// --- Gradient stops that share a ratio ------------------------------------------------------------

TEST(SwfRenderCases, StopsThatShareARatioKeepTheirBandAndTheFirstEndStopPads) {
  // Across the middle 100 px of a 300 px wide shape: red to green, then at ratio 128 a green
  // stop and a blue one, then blue to white; at ratio 255 a black stop and a yellow one.
  Bytes fill = gradientFill(0x10, 100 * kPx, 0, 200 * kPx, 10 * kPx,
                            {{0, 255, 0, 0, 255},
                             {128, 0, 255, 0, 255},
                             {128, 0, 0, 255, 255},
                             {200, 255, 255, 255, 255},
                             {255, 0, 0, 0, 255},
                             {255, 255, 255, 0, 255}});
  Bitmap b = renderMovie(movie(300, 10, {background(128, 128, 128), rectShape(1, 0, 0, 300 * kPx, 10 * kPx, fill),
                                         place(1, 1), showFrame(), end()}),
                         {300, 10});
  expectNear(b.colorAt(20, 5), rgb(255, 0, 0), 2, "padded before the start: the first stop");
  expectNear(b.colorAt(280, 5), rgb(0, 0, 0), 2, "padded past the end: the first stop at the last ratio");
  // The ramp entry at ratio 128 is the green stop: a band about one 255th of the gradient wide
  // (here 0.4 px) before the blue begins; the pixel that holds it is greener than its
  // neighbour on the blue side.
  int x = 100 + 128 * 100 / 255;  // 150
  Color atBand = b.colorAt(x, 5);
  Color after = b.colorAt(x + 1, 5);
  EXPECT_GT(greenOf(atBand), 60) << "the green entry shows";
  EXPECT_GT(blueOf(after), 200) << "then the blue";
  expectNear(b.colorAt(199, 5), rgb(0, 0, 0), 40, "the last entries run to the black stop");
}

}  // namespace
}  // namespace tavra
