// The banner player on small movies from a public player's test suite (shared test data).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "gfx/Bitmap.h"
#include "platform/banner/SwfMovie.h"
#include "platform/banner/SwfPlayer.h"

namespace tavra {
namespace {

std::string sharedSwfDir() {
  for (std::string dir : {std::string(TAVRA_SOURCE_DIR) + "/../shared/testdata/swf", std::string("/work/shared/testdata/swf")}) {
    if (std::filesystem::is_directory(dir)) return dir;
  }
  return {};
}

class SwfSharedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = sharedSwfDir();
    if (dir_.empty()) GTEST_SKIP() << "shared SWF test files not found";
  }
  std::string path(const std::string& name) const { return dir_ + "/" + name; }
  Bitmap render(const SwfPlayer& player) const {
    Size s = player.stageSize();
    Bitmap bitmap(s.width, s.height);
    player.render(bitmap, bitmap.bounds());
    return bitmap;
  }
  std::string dir_;
};

TEST_F(SwfSharedFiles, SimpleRedBackgroundIsRed) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(path("SimpleRedBackground.swf"))) << player.loadError();
  EXPECT_EQ(player.backgroundColor(), rgb(255, 0, 0));
  Bitmap b = render(player);
  ASSERT_FALSE(b.isEmpty());
  EXPECT_EQ(b.colorAt(0, 0), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(b.width() / 2, b.height() / 2), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(b.width() - 1, b.height() - 1), rgb(255, 0, 0));
}

TEST_F(SwfSharedFiles, DefineShapeDrawsA20PixelRedSquare) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(path("DefineShape.swf"))) << player.loadError();
  EXPECT_DOUBLE_EQ(player.frameRate(), 1.0);  // 0.094 fps declared, clamped
  Bitmap b = render(player);
  EXPECT_EQ(b.size(), (Size{550, 400}));
  EXPECT_EQ(b.colorAt(0, 0), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(10, 10), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(19, 19), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(20, 20), clWhite);
  EXPECT_EQ(b.colorAt(25, 5), clWhite);
  EXPECT_EQ(b.colorAt(300, 300), clWhite);
}

TEST_F(SwfSharedFiles, LzmaFilesAreRefusedCleanly) {
  for (const char* name : {"lzma.swf", "lzma-length-too-large.swf", "lzma-malformed-length.swf"}) {
    SwfPlayer player;
    EXPECT_FALSE(player.load(path(name))) << name;
    EXPECT_FALSE(player.loadError().empty()) << name;
    Bitmap b(20, 20);
    player.render(b, b.bounds());
    EXPECT_EQ(b.colorAt(10, 10), clWhite) << name;
  }
}

TEST_F(SwfSharedFiles, ZlibAndUncompressedRenderTheSame) {
  SwfPlayer plain, zipped;
  ASSERT_TRUE(plain.load(path("uncompressed.swf"))) << plain.loadError();
  ASSERT_TRUE(zipped.load(path("zlib.swf"))) << zipped.loadError();
  EXPECT_EQ(plain.stageSize(), zipped.stageSize());
  EXPECT_EQ(plain.frameCount(), zipped.frameCount());
  EXPECT_TRUE(render(plain) == render(zipped));
}

TEST_F(SwfSharedFiles, RadialGradientIsRedAtItsCentreAndFadesOut) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(path("DefineShape3.swf"))) << player.loadError();
  Bitmap b = render(player);
  Color centre = b.colorAt(25, 25);
  EXPECT_GT(redOf(centre), 230);
  EXPECT_LT(greenOf(centre), 30);
  Color rim = b.colorAt(40, 40);
  EXPECT_GT(greenOf(rim), 180);
  EXPECT_EQ(b.colorAt(100, 100), clWhite);
}

TEST_F(SwfSharedFiles, DefineShape4FilledSquareInsideAStroke) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(path("DefineShape4.swf"))) << player.loadError();
  Bitmap b = render(player);
  EXPECT_EQ(b.colorAt(460, 200), rgb(255, 0, 0));
  EXPECT_EQ(b.colorAt(520, 200), rgb(0, 153, 0));
  EXPECT_EQ(b.colorAt(300, 200), clWhite);
}

TEST_F(SwfSharedFiles, SpriteWithEmptyFramesPlays) {
  SwfPlayer player;
  ASSERT_TRUE(player.load(path("DefineSprite.swf"))) << player.loadError();
  EXPECT_EQ(player.frameCount(), 1);
  for (int i = 0; i < 7; ++i) player.advance();
  EXPECT_EQ(player.currentFrame(), 1);
  EXPECT_EQ(render(player).colorAt(10, 10), clWhite);
}

TEST_F(SwfSharedFiles, DefineShape4HasGradientsAndStrokes) {
  auto movie = SwfMovie::fromFile(path("DefineShape4.swf"));
  ASSERT_TRUE(movie) << movie.error();
  bool sawGradient = false, sawLineStyle2 = false;
  for (std::uint16_t id = 0; id < 16; ++id) {
    const SwfShape* s = movie->shape(id);
    if (!s) continue;
    for (const SwfShapeLayer& layer : s->layers) {
      for (const SwfFillStyle& f : layer.fillStyles) sawGradient |= f.kind != SwfFillKind::Solid;
      sawLineStyle2 |= !layer.strokes.empty();
    }
  }
  EXPECT_TRUE(sawGradient);
  EXPECT_TRUE(sawLineStyle2);
}

}  // namespace
}  // namespace tavra
