// The banner player on small movies written by the test: what each frame shows at known pixels,
// how the timeline steps and loops, and what damaged input leaves on screen.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "platform/banner/SwfPlayer.h"
#include "SwfTestWriter.h"

namespace tavra {
namespace {

using namespace swftest;

struct Probe {
  int x = 0;
  int y = 0;
  int r = 0, g = 0, b = 0;
  int tolerance = 2;
};

struct RenderCase {
  std::string name;
  Bytes movie;
  std::vector<Probe> probes;
  int advances = 0;
  Size size{100, 100};
};

constexpr int kPx = 20;  // twips per pixel

Bytes linesShape(std::uint16_t id, int version, int widthTwips, std::uint8_t startCap) {
  BitWriter w;
  w.u16(id);
  w.rect(0, 100 * kPx, 0, 100 * kPx);
  if (version == 4) {
    w.rect(0, 100 * kPx, 0, 100 * kPx);
    w.u8(0);
  }
  w.u8(0);  // no fills
  w.u8(1);
  w.u16(static_cast<std::uint16_t>(widthTwips));
  if (version == 4) {
    w.ub(startCap, 2);
    w.ub(0, 2);  // round join
    w.ub(0, 1);
    w.ub(0, 3);
    w.ub(0, 5);
    w.ub(0, 1);
    w.ub(startCap, 2);
    w.rgba(0, 0, 0, 255);
  } else {
    w.rgb(0, 0, 0);
  }
  w.u8(0x01);  // 0 fill bits, 1 line bit
  w.ub(0, 1);
  w.ub(0x09, 5);  // line style, move to
  int n = signedBits({20 * kPx, 50 * kPx});
  w.ub(static_cast<std::uint32_t>(n), 5);
  w.sb(20 * kPx, n);
  w.sb(50 * kPx, n);
  w.ub(1, 1);
  int bits = signedBits(60 * kPx);
  w.ub(1, 1);
  w.ub(1, 1);
  w.ub(static_cast<std::uint32_t>(bits - 2), 4);
  w.ub(0, 1);  // not general
  w.ub(0, 1);  // horizontal
  w.sb(60 * kPx, bits);
  w.ub(0, 6);
  return tag(version == 4 ? DefineShape4 : DefineShape, w.take());
}

Bytes placeScaled(std::uint16_t depth, std::uint16_t id, double scale) {
  BitWriter w;
  w.u8(0x06);
  w.u16(depth);
  w.u16(id);
  w.matrix(scale, scale, 0, 0, 0, 0);
  return tag(PlaceObject2, w.take());
}

Bytes moveWithNewCharacter(std::uint16_t depth, std::uint16_t id) {
  BitWriter w;
  w.u8(0x03);  // HasChar, Move
  w.u16(depth);
  w.u16(id);
  return tag(PlaceObject2, w.take());
}

std::vector<RenderCase> renderCases() {
  const Bytes red = solidFill(255, 0, 0);
  const Bytes blue = solidFill(0, 0, 255);
  std::vector<RenderCase> cases;
  cases.push_back({"SolidFillOnTheRight",
                   movie(100, 100, {rectShape(1, 20 * kPx, 20 * kPx, 80 * kPx, 80 * kPx, red), place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 0, 0}, {21, 21, 255, 0, 0}, {78, 78, 255, 0, 0}, {10, 10, 255, 255, 255}, {90, 50, 255, 255, 255}}});
  cases.push_back({"SolidFillOnTheLeft",
                   movie(100, 100, {rectShape(1, 20 * kPx, 20 * kPx, 80 * kPx, 80 * kPx, solidFill(0, 160, 0), Side::Fill0),
                                    place(1, 1), showFrame(), end()}),
                   {{50, 50, 0, 160, 0}, {10, 50, 255, 255, 255}}});
  cases.push_back({"TranslucentSolidFill",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, solidFill(255, 0, 0, 128)), place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 127, 127}}});
  cases.push_back({"LinearGradient",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx,
                                              gradientFill(0x10, 0, 0, 100 * kPx, 100 * kPx, {{0, 255, 0, 0, 255}, {255, 0, 0, 255, 255}})),
                                    place(1, 1), showFrame(), end()}),
                   {{0, 50, 255, 0, 0, 6}, {99, 50, 0, 0, 255, 6}, {50, 10, 127, 0, 128, 6}, {50, 90, 127, 0, 128, 6}, {25, 50, 191, 0, 64, 6}}});
  cases.push_back({"RadialGradient",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx,
                                              gradientFill(0x12, 0, 0, 100 * kPx, 100 * kPx, {{0, 255, 255, 0, 255}, {255, 0, 0, 255, 255}})),
                                    place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 255, 0, 6}, {50, 25, 128, 128, 128, 8}, {75, 50, 128, 128, 128, 8}, {2, 2, 0, 0, 255, 2}}});
  cases.push_back({"FocalGradient",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx,
                                              gradientFill(0x13, 0, 0, 100 * kPx, 100 * kPx, {{0, 255, 255, 0, 255}, {255, 0, 0, 255, 255}}, 0.5)),
                                    place(1, 1), showFrame(), end()}),
                   // The focal point (half the radius to the right) has the first colour.
                   {{75, 50, 255, 255, 0, 10}, {2, 2, 0, 0, 255, 2}}});
  cases.push_back({"ColorTransform",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, red),
                                    placeWithTransform(1, 1, {0, 256, 256, 256}, {0, 255, 0, 0}), showFrame(), end()}),
                   {{50, 50, 0, 255, 0}}});
  // The sprite's transform (add 100 red) applies first, then the root's (halve red): 100, not 150.
  cases.push_back({"NestedColorTransformsChildFirst",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, solidFill(100, 0, 0)),
                                    sprite(2, {placeWithTransform(1, 1, {256, 256, 256, 256}, {100, 0, 0, 0}), showFrame()}),
                                    placeWithTransform(1, 2, {128, 256, 256, 256}, {0, 0, 0, 0}), showFrame(), end()}),
                   {{50, 50, 100, 0, 0, 1}}});
  cases.push_back({"SpriteTranslatedByItsPlacement",
                   movie(100, 100, {rectShape(1, 0, 0, 40 * kPx, 40 * kPx, red), sprite(2, {place(1, 1), showFrame()}),
                                    place(1, 2, 50 * kPx, 10 * kPx), showFrame(), end()}),
                   {{70, 30, 255, 0, 0}, {20, 20, 255, 255, 255}, {70, 5, 255, 255, 255}}});
  cases.push_back({"HigherDepthDrawsOnTop",
                   movie(100, 100, {rectShape(1, 0, 0, 60 * kPx, 60 * kPx, red), rectShape(2, 40 * kPx, 40 * kPx, 100 * kPx, 100 * kPx, blue),
                                    place(2, 1), place(1, 2), showFrame(), end()}),
                   {{50, 50, 255, 0, 0}, {70, 70, 0, 0, 255}, {20, 20, 255, 0, 0}}});
  cases.push_back({"RemovedObjectDisappears",
                   movie(100, 100, {rectShape(1, 0, 0, 50 * kPx, 100 * kPx, red), rectShape(2, 50 * kPx, 0, 100 * kPx, 100 * kPx, blue),
                                    place(1, 1), place(2, 2), showFrame(), remove(1), showFrame(), end()}),
                   {{25, 50, 255, 255, 255}, {75, 50, 0, 0, 255}},
                   1});
  cases.push_back({"MoveWithCharacterSwapsArtworkKeepingTransform",
                   movie(100, 100, {rectShape(1, 0, 0, 40 * kPx, 40 * kPx, red), rectShape(2, 0, 0, 40 * kPx, 40 * kPx, blue),
                                    place(1, 1, 50 * kPx, 0), showFrame(), moveWithNewCharacter(1, 2), showFrame(), end()}),
                   {{70, 20, 0, 0, 255}, {20, 20, 255, 255, 255}},
                   1});
  cases.push_back({"UnknownTagsAreSkipped",
                   movie(100, 100, {tag(200, {1, 2, 3, 4, 5}), rectShape(1, 0, 0, 100 * kPx, 100 * kPx, red),
                                    tag(1000, Bytes(100, 0xEE)), place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 0, 0}}});
  cases.push_back({"SingularMatrixSkipsTheObject",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, red), rectShape(2, 40 * kPx, 40 * kPx, 60 * kPx, 60 * kPx, blue),
                                    placeScaled(1, 1, 0.0), place(2, 2), showFrame(), end()}),
                   {{10, 10, 255, 255, 255}, {50, 50, 0, 0, 255}}});
  cases.push_back({"StrokeWithRoundCaps",
                   movie(100, 100, {linesShape(1, 1, 10 * kPx, 0), place(1, 1), showFrame(), end()}),
                   {{50, 50, 0, 0, 0}, {50, 46, 0, 0, 0}, {50, 42, 255, 255, 255}, {17, 50, 0, 0, 0}, {13, 50, 255, 255, 255}}});
  cases.push_back({"LineStyle2WithoutCaps",
                   movie(100, 100, {linesShape(1, 4, 10 * kPx, 1), place(1, 1), showFrame(), end()}),
                   {{50, 50, 0, 0, 0}, {21, 50, 0, 0, 0}, {17, 50, 255, 255, 255}, {83, 50, 255, 255, 255}}});
  // Stage 100 × 50 into 200 × 200: scale 2, centred vertically, the bands in the background colour.
  cases.push_back({"ShowAllCentresAndLetterboxes",
                   movie(100, 50, {background(0, 0, 255), rectShape(1, 0, 0, 100 * kPx, 50 * kPx, red), place(1, 1), showFrame(), end()}),
                   {{100, 100, 255, 0, 0}, {1, 51, 255, 0, 0}, {198, 148, 255, 0, 0}, {100, 20, 0, 0, 255}, {100, 180, 0, 0, 255}},
                   0,
                   {200, 200}});
  auto overlapping = [&](int version, bool nonZero) {
    ShapeWriter w(1, version, nonZero);
    w.styles({red});
    w.rect(0, 0, 60 * kPx, 60 * kPx, 1);
    w.rect(40 * kPx, 40 * kPx, 100 * kPx, 100 * kPx, 1);
    return w.finish();
  };
  cases.push_back({"NonZeroWindingFillsTheOverlap", movie(100, 100, {overlapping(4, true), place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 0, 0}, {20, 20, 255, 0, 0}, {80, 80, 255, 0, 0}, {80, 20, 255, 255, 255}}});
  cases.push_back({"EvenOddLeavesTheOverlapEmpty", movie(100, 100, {overlapping(3, false), place(1, 1), showFrame(), end()}),
                   {{50, 50, 255, 255, 255}, {20, 20, 255, 0, 0}, {80, 80, 255, 0, 0}}});
  {
    ShapeWriter w(1, 3);
    w.styles({red});
    w.rect(0, 0, 100 * kPx, 100 * kPx, 1);
    w.newStyles();
    w.styles({blue});
    w.rect(40 * kPx, 40 * kPx, 60 * kPx, 60 * kPx, 1);
    cases.push_back({"NewStylesDrawALayerOnTop", movie(100, 100, {w.finish(), place(1, 1), showFrame(), end()}),
                     {{50, 50, 0, 0, 255}, {10, 10, 255, 0, 0}, {70, 50, 255, 0, 0}}});
  }
  {
    // Four quadratic arcs through (90, 50), (50, 90), (10, 50), (50, 10) with controls at the
    // corners of the square 10..90: each arc passes 10·√2 px inside its corner, at (80, 80) etc.
    ShapeWriter w(1, 3);
    w.styles({red});
    w.moveFill1(90 * kPx, 50 * kPx, 1);
    w.curve(0, 40 * kPx, -40 * kPx, 0);
    w.curve(-40 * kPx, 0, 0, -40 * kPx);
    w.curve(0, -40 * kPx, 40 * kPx, 0);
    w.curve(40 * kPx, 0, 0, 40 * kPx);
    cases.push_back({"QuadraticCurves", movie(100, 100, {w.finish(), place(1, 1), showFrame(), end()}),
                     {{50, 50, 255, 0, 0}, {78, 78, 255, 0, 0}, {22, 22, 255, 0, 0}, {86, 86, 255, 255, 255},
                      {14, 86, 255, 255, 255}, {88, 50, 255, 0, 0}, {50, 12, 255, 0, 0}}});
  }
  cases.push_back({"ReflectSpreadMirrorsTheGradient",
                   movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx,
                                              gradientFill(0x10, 0, 0, 50 * kPx, 100 * kPx, {{0, 255, 0, 0, 255}, {255, 0, 0, 255, 255}}, 0, 1)),
                                    place(1, 1), showFrame(), end()}),
                   {{1, 50, 255, 0, 0, 8}, {49, 50, 0, 0, 255, 8}, {51, 50, 0, 0, 255, 8}, {98, 50, 255, 0, 0, 8}, {75, 50, 127, 0, 128, 8}}});
  {
    BitWriter cut;
    cut.u8(0x06);  // HasMatrix, HasChar, but the matrix is missing
    cut.u16(1);
    cut.u16(1);
    cases.push_back({"TruncatedPlaceTagIsDropped",
                     movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, red), rectShape(2, 40 * kPx, 40 * kPx, 60 * kPx, 60 * kPx, blue),
                                      tag(PlaceObject2, cut.take()), place(2, 2), showFrame(), end()}),
                     {{10, 10, 255, 255, 255}, {50, 50, 0, 0, 255}}});
  }
  // The mask (left half, never drawn itself) clips depths 2 and 3; depth 4 is drawn whole.
  cases.push_back({"MaskClipsTheDepthsUpToItsClipDepth",
                   movie(100, 100, {rectShape(1, 0, 0, 50 * kPx, 100 * kPx, solidFill(0, 0, 0)),
                                    rectShape(2, 0, 0, 100 * kPx, 50 * kPx, red), rectShape(3, 0, 50 * kPx, 100 * kPx, 100 * kPx, blue),
                                    rectShape(4, 70 * kPx, 70 * kPx, 90 * kPx, 90 * kPx, solidFill(0, 160, 0)),
                                    placeMask(1, 1, 3), place(2, 2), place(3, 3), place(4, 4), showFrame(), end()}),
                   {{25, 25, 255, 0, 0}, {25, 75, 0, 0, 255}, {75, 25, 255, 255, 255}, {60, 60, 255, 255, 255}, {80, 80, 0, 160, 0}}});
  {
    Bytes full = movie(100, 100, {rectShape(1, 0, 0, 100 * kPx, 100 * kPx, red), place(1, 1),
                                  rectShape(2, 0, 0, 50 * kPx, 50 * kPx, blue), place(2, 2), showFrame(), end()});
    full.resize(full.size() - 22);  // cut inside the second shape
    cases.push_back({"TruncatedFileKeepsWhatCameBefore", full, {{50, 50, 255, 0, 0}, {10, 10, 255, 0, 0}}});
  }
  return cases;
}

void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.name; }

class SwfRender : public ::testing::TestWithParam<RenderCase> {};

TEST_P(SwfRender, PixelsAtKnownPoints) {
  const RenderCase& c = GetParam();
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(c.movie)) << player.loadError();
  for (int i = 0; i < c.advances; ++i) player.advance();
  Bitmap bitmap(c.size.width, c.size.height);
  player.render(bitmap, bitmap.bounds());
  for (const Probe& p : c.probes) {
    Color got = bitmap.colorAt(p.x, p.y);
    EXPECT_NEAR(redOf(got), p.r, p.tolerance) << "red at " << p.x << "," << p.y;
    EXPECT_NEAR(greenOf(got), p.g, p.tolerance) << "green at " << p.x << "," << p.y;
    EXPECT_NEAR(blueOf(got), p.b, p.tolerance) << "blue at " << p.x << "," << p.y;
  }
}

INSTANTIATE_TEST_SUITE_P(Movies, SwfRender, ::testing::ValuesIn(renderCases()),
                         [](const auto& info) { return info.param.name; });

Color renderAt(const SwfPlayer& player, int x, int y) {
  Bitmap bitmap(100, 100);
  player.render(bitmap, bitmap.bounds());
  return bitmap.colorAt(x, y);
}

constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kBlue = rgb(0, 0, 255);

TEST(SwfPlayer, LoopingReturnsToFrameOne) {
  Bytes m = movie(100, 100, {rectShape(1, 0, 0, 50 * kPx, 100 * kPx, solidFill(255, 0, 0)),
                             rectShape(2, 50 * kPx, 0, 100 * kPx, 100 * kPx, solidFill(0, 0, 255)),
                             place(1, 1), showFrame(), remove(1), place(2, 2), showFrame(), showFrame(), end()});
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(m));
  EXPECT_EQ(player.frameCount(), 3);
  EXPECT_EQ(player.currentFrame(), 1);
  EXPECT_EQ(renderAt(player, 25, 50), kRed);
  EXPECT_EQ(renderAt(player, 75, 50), clWhite);
  player.advance();
  EXPECT_EQ(player.currentFrame(), 2);
  EXPECT_EQ(renderAt(player, 25, 50), clWhite);
  EXPECT_EQ(renderAt(player, 75, 50), kBlue);
  player.advance();
  EXPECT_EQ(player.currentFrame(), 3);
  player.advance();
  EXPECT_EQ(player.currentFrame(), 1);
  // Frame 1 places only depth 1: what frame 2 placed at depth 2 is gone.
  EXPECT_EQ(renderAt(player, 25, 50), kRed);
  EXPECT_EQ(renderAt(player, 75, 50), clWhite);
  player.advance();
  EXPECT_EQ(player.currentFrame(), 2);
}

TEST(SwfPlayer, WithoutEndTagTheLastFrameStays) {
  Bytes m = movie(100, 100, {rectShape(1, 0, 0, 50 * kPx, 100 * kPx, solidFill(255, 0, 0)), place(1, 1), showFrame(),
                             remove(1), showFrame()});
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(m));
  player.advance();
  player.advance();
  player.advance();
  EXPECT_EQ(player.currentFrame(), 2);
  EXPECT_EQ(renderAt(player, 25, 50), clWhite);
}

TEST(SwfPlayer, SpritePlaysAndLoopsItsOwnTimeline) {
  // The root has one frame (no loop); the sprite moves its square right in its frame 2.
  Bytes m = movie(100, 100, {rectShape(1, 0, 0, 40 * kPx, 40 * kPx, solidFill(255, 0, 0)),
                             sprite(2, {place(1, 1), showFrame(), moveTo(1, 50 * kPx, 0), showFrame()}),
                             place(1, 2), showFrame(), end()});
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(m));
  EXPECT_EQ(renderAt(player, 20, 20), kRed);
  EXPECT_EQ(renderAt(player, 70, 20), clWhite);
  player.advance();
  EXPECT_EQ(player.currentFrame(), 1);
  EXPECT_EQ(renderAt(player, 20, 20), clWhite);
  EXPECT_EQ(renderAt(player, 70, 20), kRed);
  player.advance();  // the sprite loops; frame 1 places the square again with its own matrix
  EXPECT_EQ(renderAt(player, 20, 20), kRed);
  EXPECT_EQ(renderAt(player, 70, 20), clWhite);
}

TEST(SwfPlayer, SpriteSurvivesRootLoopKeepingItsPlayhead) {
  // Root: frame 1 places the sprite, frame 2 moves it down; looping back takes frame 1's matrix
  // while the sprite keeps counting its own frames.
  Bytes m = movie(100, 100, {rectShape(1, 0, 0, 40 * kPx, 40 * kPx, solidFill(255, 0, 0)),
                             sprite(2, {place(1, 1), showFrame(), moveTo(1, 50 * kPx, 0), showFrame(), showFrame()}),
                             place(1, 2), showFrame(), moveTo(1, 0, 50 * kPx), showFrame(), end()});
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(m));
  player.advance();  // root 2 (down), sprite 2 (right)
  EXPECT_EQ(renderAt(player, 70, 70), kRed);
  player.advance();  // root 1 (up again), sprite 3 (still right): a restarted sprite would be left
  EXPECT_EQ(player.currentFrame(), 1);
  EXPECT_EQ(renderAt(player, 70, 20), kRed);
  EXPECT_EQ(renderAt(player, 20, 20), clWhite);
}

TEST(SwfPlayer, SelfPlacingSpriteIsBounded) {
  Bytes m = movie(100, 100, {rectShape(1, 0, 0, 10 * kPx, 10 * kPx, solidFill(255, 0, 0)),
                             sprite(2, {place(1, 1), place(2, 2, 5 * kPx, 0), place(3, 2, 0, 5 * kPx), showFrame()}),
                             place(1, 2), showFrame(), end()});
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(m));
  for (int i = 0; i < 3; ++i) player.advance();
  EXPECT_EQ(renderAt(player, 2, 2), kRed);
  EXPECT_EQ(renderAt(player, 99, 99), clWhite);
}

TEST(SwfPlayer, CompressedAndPlainFilesRenderAlike) {
  auto build = [](bool compressed) {
    return movie(100, 100, {background(10, 20, 30), rectShape(1, 10 * kPx, 10 * kPx, 90 * kPx, 60 * kPx,
                                                               gradientFill(0x12, 0, 0, 100 * kPx, 100 * kPx, {{0, 255, 255, 0, 255}, {255, 0, 0, 255, 255}})),
                            place(1, 1), showFrame(), end()}, compressed);
  };
  SwfPlayer plain, zipped;
  ASSERT_TRUE(plain.loadFromBytes(build(false)));
  ASSERT_TRUE(zipped.loadFromBytes(build(true)));
  Bitmap a(100, 100), b(100, 100);
  plain.render(a, a.bounds());
  zipped.render(b, b.bounds());
  EXPECT_TRUE(a == b);
  EXPECT_EQ(a.colorAt(5, 5), rgb(10, 20, 30));
}

TEST(SwfPlayer, HeaderValues) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(movie(480, 102, {background(1, 2, 3), showFrame(), end()}, false, 0x1800)));
  EXPECT_EQ(player.stageSize(), (Size{480, 102}));
  EXPECT_DOUBLE_EQ(player.frameRate(), 24.0);
  EXPECT_EQ(player.frameIntervalMs(), 42);
  EXPECT_EQ(player.backgroundColor(), rgb(1, 2, 3));
  ASSERT_TRUE(player.loadFromBytes(movie(10, 10, {showFrame()}, false, 0x0000)));
  EXPECT_DOUBLE_EQ(player.frameRate(), 1.0);  // 0 fps is clamped
  EXPECT_EQ(player.backgroundColor(), clWhite);
  ASSERT_TRUE(player.loadFromBytes(movie(10, 10, {showFrame()}, false, 0xC800)));
  EXPECT_DOUBLE_EQ(player.frameRate(), 60.0);
}

struct BadInput {
  std::string name;
  Bytes bytes;
};

std::vector<BadInput> badInputs() {
  Bytes good = movie(100, 100, {background(0, 0, 255), showFrame(), end()});
  Bytes version0 = good;
  version0[3] = 0;
  Bytes shortLength = good;
  shortLength[4] = 7;
  shortLength[5] = shortLength[6] = shortLength[7] = 0;
  Bytes huge = good;
  huge[7] = 0x40;  // a gigabyte declared
  Bytes lzma = good;
  lzma[0] = 'Z';
  Bytes headerCut(good.begin(), good.begin() + 10);
  Bytes zlibGarbage = good;
  zlibGarbage[0] = 'C';
  return {{"Empty", {}},
          {"NotAMovie", {'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0}},
          {"VersionZero", version0},
          {"LengthBelowEight", shortLength},
          {"HugeDeclaredLength", huge},
          {"Lzma", lzma},
          {"HeaderCutShort", headerCut},
          {"DamagedZlibStream", zlibGarbage}};
}

void PrintTo(const BadInput& c, std::ostream* os) { *os << c.name; }

class SwfBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(SwfBadInput, IsRefusedAndLeavesAWhiteBackground) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(movie(100, 100, {background(0, 255, 0), showFrame(), end()})));
  EXPECT_FALSE(player.loadFromBytes(GetParam().bytes));
  EXPECT_FALSE(player.hasMovie());
  EXPECT_FALSE(player.loadError().empty());
  EXPECT_EQ(player.currentFrame(), 0);
  player.advance();
  EXPECT_EQ(renderAt(player, 50, 50), clWhite);
}

INSTANTIATE_TEST_SUITE_P(Files, SwfBadInput, ::testing::ValuesIn(badInputs()),
                         [](const auto& info) { return info.param.name; });

TEST(SwfPlayer, MissingFileLeavesAWhiteBackground) {
  SwfPlayer player;
  EXPECT_FALSE(player.load("/nonexistent/flash.swf"));
  EXPECT_NE(player.loadError().find("flash.swf"), std::string::npos);
  EXPECT_EQ(renderAt(player, 0, 0), clWhite);
  EXPECT_EQ(player.stageSize(), (Size{0, 0}));
}

TEST(SwfPlayer, RenderStaysInsideTheTargetRectangle) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(movie(10, 10, {background(0, 0, 255), rectShape(1, 0, 0, 200, 200, solidFill(255, 0, 0)),
                                                  place(1, 1), showFrame(), end()})));
  Bitmap bitmap(40, 40);
  bitmap.fill(0xFF00FF00);
  player.render(bitmap, Rect{10, 10, 30, 30});
  EXPECT_EQ(bitmap.colorAt(9, 20), rgb(0, 255, 0));
  EXPECT_EQ(bitmap.colorAt(30, 20), rgb(0, 255, 0));
  EXPECT_EQ(bitmap.colorAt(20, 9), rgb(0, 255, 0));
  EXPECT_EQ(bitmap.colorAt(10, 10), kRed);
  EXPECT_EQ(bitmap.colorAt(29, 29), kRed);
}

// The way a control paints it: through a canvas whose origin and clip are set.
TEST(SwfPlayer, RendersThroughACanvasAtItsOriginWithinItsClip) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(movie(10, 10, {background(0, 0, 255), rectShape(1, 0, 0, 100, 200, solidFill(255, 0, 0)),
                                                  place(1, 1), showFrame(), end()})));
  Bitmap bitmap(60, 60);
  bitmap.fill(0xFF00FF00);
  {
    Canvas canvas(bitmap);
    canvas.setOrigin({10, 10});
    canvas.intersectClip(Rect{0, 0, 40, 30});  // logical: device 10..50 × 10..40
    player.render(canvas.cairo(), Rect{0, 0, 40, 40});
  }
  // Stage 10 × 10 shown 40 × 40 at device (10, 10): the red left half 10..30, blue right 30..50.
  EXPECT_EQ(bitmap.colorAt(12, 12), kRed);
  EXPECT_EQ(bitmap.colorAt(28, 38), kRed);
  EXPECT_EQ(bitmap.colorAt(32, 12), kBlue);
  EXPECT_EQ(bitmap.colorAt(48, 38), kBlue);
  EXPECT_EQ(bitmap.colorAt(20, 42), rgb(0, 255, 0));  // clipped away
  EXPECT_EQ(bitmap.colorAt(8, 20), rgb(0, 255, 0));
  EXPECT_EQ(bitmap.colorAt(52, 20), rgb(0, 255, 0));
}

}  // namespace
}  // namespace tavra
