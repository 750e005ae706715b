// The frame cache of the banner control: the picture it keeps equals a whole render at every
// frame, it redraws only where something changed, keeps the still bottom shapes drawn once and
// copies the frames of a looping movie from its second round on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfFrameCache.h"
#include "platform/banner/SwfFrameMemory.h"
#include "platform/banner/SwfPlayer.h"
#include "SwfTestWriter.h"

namespace tavra {
namespace {

using namespace swftest;
constexpr int kPx = 20;  // twips per pixel

Bitmap wholeRender(const SwfPlayer& player, Size size) {
  Bitmap bitmap(size.width, size.height);
  player.render(bitmap, bitmap.bounds());
  return bitmap;
}

// The first pixel where two pictures differ by more than `tolerance` in a channel, as text, or
// "" when there is none. Drawing a part of a picture rounds gradients and clipped edges a
// little differently from drawing it whole: one or two levels out of 255.
std::string firstDifference(const Bitmap& a, const Bitmap& b, int tolerance = 2) {
  if (a.size() != b.size()) return "sizes differ";
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      Color ca = colorFromPixel(a.row(y)[x]), cb = colorFromPixel(b.row(y)[x]);
      int d = std::max({std::abs(redOf(ca) - redOf(cb)), std::abs(greenOf(ca) - greenOf(cb)), std::abs(blueOf(ca) - blueOf(cb))});
      if (d > tolerance) {
        return "at " + std::to_string(x) + ", " + std::to_string(y) + ": " + std::to_string(a.row(y)[x]) + " against " +
               std::to_string(b.row(y)[x]);
      }
    }
  }
  return "";
}

// 100 × 100, four frames, looping: a grey backdrop that never changes, a red 10-pixel square
// stepping 20 px right each frame, a green square under a mask whose content slides, and a
// sprite that turns its blue square on and off.
Bytes busyMovie() {
  return movie(100, 100,
               {background(255, 255, 255), rectShape(1, 0, 0, 100 * kPx, 100 * kPx, solidFill(128, 128, 128)),
                rectShape(2, 0, 0, 10 * kPx, 10 * kPx, solidFill(255, 0, 0)),
                rectShape(3, 0, 0, 30 * kPx, 30 * kPx, solidFill(0, 0, 0)),
                rectShape(4, 0, 0, 20 * kPx, 20 * kPx, solidFill(0, 200, 0, 160)),
                rectShape(5, 0, 0, 8 * kPx, 8 * kPx, solidFill(0, 0, 255)),
                sprite(6, {place(1, 5), showFrame(), remove(1), showFrame()}),
                place(1, 1), place(2, 2, 5 * kPx, 5 * kPx), placeMask(3, 3, 4), place(4, 4, 10 * kPx, 60 * kPx),
                place(5, 6, 70 * kPx, 70 * kPx), showFrame(),
                moveTo(2, 25 * kPx, 5 * kPx), moveTo(4, 15 * kPx, 5 * kPx), showFrame(),
                moveTo(2, 45 * kPx, 5 * kPx), moveTo(4, 20 * kPx, 10 * kPx), showFrame(),
                moveTo(2, 65 * kPx, 5 * kPx), moveTo(4, 60 * kPx, 60 * kPx), showFrame(), end()});
}

// 100 × 50, looping over three frames: a stroke 3 px wide that does not scale, drawn through a
// quarter scale, moving right and down.
Bytes fixedStrokeMovie() {
  BitWriter w;
  w.u16(1);
  w.rect(0, 100 * kPx, 0, 0);
  w.rect(0, 100 * kPx, 0, 0);
  w.u8(0);
  w.u8(0);
  w.u8(1);
  w.u16(3 * kPx);
  w.ub(0, 2);
  w.ub(0, 2);
  w.ub(0, 1);
  w.ub(1, 1);  // no horizontal scale
  w.ub(1, 1);  // no vertical scale
  w.ub(0, 1);
  w.ub(0, 5);
  w.ub(0, 1);
  w.ub(0, 2);
  w.rgba(0, 0, 0, 255);
  w.u8(0x01);
  w.ub(0, 1);
  w.ub(0x09, 5);
  w.ub(2, 5);
  w.sb(0, 2);
  w.sb(0, 2);
  w.ub(1, 1);
  int bits = signedBits(100 * kPx);
  w.ub(3, 2);
  w.ub(static_cast<std::uint32_t>(bits - 2), 4);
  w.ub(1, 1);  // general line: down and right
  w.sb(100 * kPx, bits);
  w.sb(100 * kPx, bits);
  w.ub(0, 6);
  auto placeQuarter = [](bool move, int tx, int ty) {
    BitWriter p;
    p.u8(move ? 0x05 : 0x06);
    p.u16(1);
    if (!move) p.u16(1);
    p.matrix(0.25, 0.25, 0, 0, tx, ty);
    return tag(PlaceObject2, p.take());
  };
  return movie(100, 50,
               {background(255, 255, 255), tag(DefineShape4, w.take()), placeQuarter(false, 5 * kPx, 2 * kPx), showFrame(),
                placeQuarter(true, 30 * kPx, 10 * kPx), showFrame(), placeQuarter(true, 60 * kPx, 20 * kPx), showFrame(),
                end()});
}

struct EqualityCase {
  std::string name;
  Bytes movie;        // empty: the banner the build writes
  Size size;
  int frames = 0;
};

void PrintTo(const EqualityCase& c, std::ostream* os) { *os << c.name; }

class SwfFrameCacheEquality : public ::testing::TestWithParam<EqualityCase> {};

TEST_P(SwfFrameCacheEquality, KeptPictureEqualsAWholeRenderAtEveryFrame) {
  const EqualityCase& c = GetParam();
  SwfPlayer player;
  if (c.movie.empty()) {
    ASSERT_TRUE(player.load(std::string(TAVRA_BIN_DIR) + "/flash.swf")) << player.loadError();
  } else {
    ASSERT_TRUE(player.loadFromBytes(c.movie)) << player.loadError();
  }
  SwfFrameCache cache;
  std::size_t redrawn = 0, whole = 0;
  for (int frame = 0; frame < c.frames; ++frame) {
    if (frame > 0) player.advance();
    Region changed = cache.update(player, c.size);
    if (frame > 0) {
      for (const Rect& r : changed.rects()) redrawn += static_cast<std::size_t>(r.width() * r.height());
      whole += static_cast<std::size_t>(c.size.width * c.size.height);
    }
    ASSERT_EQ(firstDifference(cache.bitmap(), wholeRender(player, c.size)), "") << "frame " << frame;
  }
  EXPECT_LT(redrawn, whole / 2) << "most of the picture stays as it was";
}

INSTANTIATE_TEST_SUITE_P(
    Movies, SwfFrameCacheEquality,
    ::testing::Values(EqualityCase{"banner", {}, {480, 102}, 150}, EqualityCase{"banner_scaled", {}, {301, 77}, 80},
                      EqualityCase{"masked_sprites", busyMovie(), {100, 100}, 12},
                      EqualityCase{"masked_sprites_letterboxed", busyMovie(), {130, 90}, 12},
                      EqualityCase{"fixed_width_stroke", fixedStrokeMovie(), {200, 100}, 7}),
    [](const auto& info) { return info.param.name; });

TEST(SwfFrameCache, RedrawsWhereTheSquareWasAndIsOnly) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(busyMovie()));
  SwfFrameCache cache;
  EXPECT_EQ(cache.update(player, {100, 100}).bounds(), (Rect{0, 0, 100, 100})) << "the first frame is drawn whole";
  EXPECT_TRUE(cache.update(player, {100, 100}).isEmpty()) << "the same frame again: nothing to draw";

  player.advance();  // red square 5 → 25, masked green square moves, the sprite's square goes
  Region changed = cache.update(player, {100, 100});
  for (Point p : {Point{10, 10}, Point{30, 10}, Point{12, 62}, Point{17, 7}, Point{74, 74}}) {
    EXPECT_TRUE(changed.contains(p)) << p.x << ", " << p.y;
  }
  for (Point p : {Point{50, 40}, Point{95, 5}, Point{5, 95}, Point{50, 90}}) {
    EXPECT_FALSE(changed.contains(p)) << p.x << ", " << p.y << " shows the same backdrop";
  }
  EXPECT_EQ(cache.underlayShapes(), 1u) << "the backdrop is kept drawn";
}

TEST(SwfFrameCache, LoopingMovieIsCopiedFromItsSecondRound) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(busyMovie()));
  SwfFrameCache cache;
  cache.update(player, {100, 100});
  for (int i = 1; i < 4; ++i) {
    player.advance();
    cache.update(player, {100, 100});
  }
  EXPECT_EQ(cache.memory().frames(), 4u);
  for (int i = 0; i < 8; ++i) {
    player.advance();
    cache.update(player, {100, 100});
    ASSERT_EQ(firstDifference(cache.bitmap(), wholeRender(player, {100, 100})), "") << "round 2 or 3, step " << i;
  }
  EXPECT_EQ(cache.memory().frames(), 4u) << "the second and third rounds draw nothing new";

  cache.update(player, {50, 50});
  EXPECT_EQ(cache.memory().frames(), 1u) << "a new size forgets the pictures of the old one";

  cache.clear();
  EXPECT_EQ(cache.memory().frames(), 0u);
  EXPECT_EQ(cache.memory().bytes(), 0u);
  EXPECT_EQ(cache.update(player, {50, 50}).bounds(), (Rect{0, 0, 50, 50})) << "after clear() the frame is drawn whole";
}

TEST(SwfFrameMemory, KeepsFramesUpToItsBudgetAndFindsOnlyEqualOnes) {
  SwfPlayer player;
  ASSERT_TRUE(player.loadFromBytes(busyMovie()));
  Bitmap picture(10, 10);
  SwfFrameMemory memory(2 * 10 * 10 * 4);
  std::vector<SwfDrawList> lists;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) player.advance();
    lists.push_back(player.drawList({0, 0, 100, 100}));
    memory.keep(lists.back(), lists.back().hash(), picture);
  }
  EXPECT_EQ(memory.frames(), 2u);
  EXPECT_EQ(memory.bytes(), 800u);
  EXPECT_NE(memory.find(lists[0], lists[0].hash()), nullptr);
  EXPECT_NE(memory.find(lists[1], lists[1].hash()), nullptr);
  EXPECT_EQ(memory.find(lists[2], lists[2].hash()), nullptr) << "over the budget: not kept";
  // The same hash with a different list is not a match.
  EXPECT_EQ(memory.find(lists[2], lists[0].hash()), nullptr);
}

}  // namespace
}  // namespace tavra
