// The banner the build writes (build/bin/flash.swf): its format, that it moves, and that its
// loop closes without a jump.
#include <gtest/gtest.h>

#include <string>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfPlayer.h"

namespace tavra {
namespace {

const std::string kBanner = std::string(TAVRA_BIN_DIR) + "/flash.swf";

Bitmap renderFrame(const SwfPlayer& player) {
  Bitmap bitmap(480, 102);
  player.render(bitmap, bitmap.bounds());
  return bitmap;
}

int brightPixels(const Bitmap& b, const Rect& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    const Pixel* row = b.row(y);
    for (int x = r.left; x < r.right; ++x) {
      Color c = colorFromPixel(row[x]);
      if (redOf(c) + greenOf(c) + blueOf(c) > 600) ++count;
    }
  }
  return count;
}

TEST(SwfBanner, IsA480By102LoopOfThreeSeconds) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(kBanner)) << player.loadError();
  EXPECT_EQ(player.stageSize(), (Size{480, 102}));
  EXPECT_DOUBLE_EQ(player.frameRate(), 24.0);
  EXPECT_EQ(player.frameCount(), 72);
  EXPECT_EQ(player.movie()->version(), 10);
}

TEST(SwfBanner, TitleStaysWhileTheStringMoves) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(kBanner)) << player.loadError();
  Bitmap first = renderFrame(player);
  // The title's light letters fill part of the left half.
  const Rect title{18, 8, 250, 62};
  EXPECT_GT(brightPixels(first, title), 1500);
  for (int i = 0; i < 9; ++i) player.advance();
  Bitmap later = renderFrame(player);
  EXPECT_EQ(brightPixels(later, title), brightPixels(first, title));
  EXPECT_TRUE(first.copy(Rect{0, 0, 240, 88}) == later.copy(Rect{0, 0, 240, 88}));
  EXPECT_FALSE(first.copy(Rect{256, 30, 472, 92}) == later.copy(Rect{256, 30, 472, 92}));
}

TEST(SwfBanner, LoopComesBackToTheSamePicture) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(kBanner)) << player.loadError();
  Bitmap first = renderFrame(player);
  for (int i = 0; i < 72; ++i) player.advance();
  EXPECT_EQ(player.currentFrame(), 1);
  EXPECT_TRUE(first == renderFrame(player));
}

}  // namespace
}  // namespace tavra
