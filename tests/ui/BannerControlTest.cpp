// The banner control on a window: it plays a movie by itself at the movie's frame rate while the
// window is shown, loops, stops ticking while hidden, and shows only its background for a
// missing or damaged file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "driver/harness/HeadlessDriver.h"
#include "framework/core/Form.h"
#include "platform/SwfTestWriter.h"
#include "platform/banner/TShockwaveFlash.h"

namespace tavra::test {
namespace {

using namespace swftest;
constexpr int kPx = 20;  // twips per pixel
constexpr Color kRed = rgb(255, 0, 0), kBlue = rgb(0, 0, 255);

// 100 × 50, 25 frames a second: a red 20-pixel square at x = 0, 40 and 80 in frames 1 to 3.
Bytes slidingSquare() {
  return movie(100, 50,
               {background(0, 0, 255), rectShape(1, 0, 0, 20 * kPx, 20 * kPx, solidFill(255, 0, 0)), place(1, 1), showFrame(),
                moveTo(1, 40 * kPx, 0), showFrame(), moveTo(1, 80 * kPx, 0), showFrame(), end()},
               false, 0x1900);
}

std::string writeFile(const std::string& name, const Bytes& bytes) {
  std::filesystem::path p = std::filesystem::path(::testing::TempDir()) / name;
  std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return p.string();
}

class BannerForm : public TForm {
 public:
  explicit BannerForm(TComponent* owner) : TForm(owner) {
    setBorderStyle(TFormBorderStyle::bsNone);
    setBounds(200, 200, 100, 50);
    banner = &make<TShockwaveFlash>();
    banner->setParent(this);
    banner->setAlign(TAlign::alClient);
  }
  TShockwaveFlash* banner = nullptr;
};

class BannerControlTest : public ::testing::Test {
 protected:
  void SetUp() override { form = &driver.app().CreateForm<BannerForm>(); }
  TShockwaveFlash& banner() { return *form->banner; }
  Color at(int x, int y) { return driver.screenshot().colorAt(200 + x, 200 + y); }
  // Where the square is: 0, 40 or 80, or -1 when no square is seen.
  int squareAt() {
    for (int x : {0, 40, 80}) {
      if (at(x + 10, 10) == kRed) return x;
    }
    return -1;
  }

  HeadlessDriver driver;
  BannerForm* form = nullptr;
};

TEST_F(BannerControlTest, PlaysByItselfAndLoopsWhileShown) {
  banner().setMovie(writeFile("sliding.swf", slidingSquare()));
  EXPECT_FALSE(banner().ticking()) << "nothing plays before the window is shown";
  form->Show();
  driver.settle();
  EXPECT_TRUE(banner().ticking());
  EXPECT_EQ(banner().player().currentFrame(), 1);
  EXPECT_EQ(squareAt(), 0);
  EXPECT_EQ(at(50, 30), kBlue) << "the movie's background";
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    driver.advance(40);
    seen.push_back(squareAt());
  }
  EXPECT_EQ(seen, (std::vector<int>{40, 80, 0, 40})) << "one frame every 40 ms, back to frame 1 after the last";
}

TEST_F(BannerControlTest, StopsTickingWhileHidden) {
  banner().setMovie(writeFile("sliding.swf", slidingSquare()));
  form->Show();
  driver.advance(40);
  EXPECT_EQ(banner().player().currentFrame(), 2);
  form->Hide();
  driver.advance(40);
  EXPECT_FALSE(banner().ticking());
  int frame = banner().player().currentFrame();
  driver.advance(1000);
  EXPECT_EQ(banner().player().currentFrame(), frame) << "a hidden banner does not play";
  form->Show();
  driver.settle();
  EXPECT_TRUE(banner().ticking());
  driver.advance(40);
  EXPECT_NE(banner().player().currentFrame(), frame);
}

TEST_F(BannerControlTest, WithoutLoopItStopsAtTheLastFrame) {
  banner().setMovie(writeFile("sliding.swf", slidingSquare()));
  banner().setLoop(false);
  form->Show();
  driver.advance(400);
  EXPECT_EQ(banner().player().currentFrame(), 3);
  EXPECT_FALSE(banner().ticking());
  EXPECT_EQ(squareAt(), 80);
}

TEST_F(BannerControlTest, MissingOrDamagedMovieLeavesTheBackground) {
  Bytes truncated = slidingSquare();
  truncated.resize(12);  // the header and no more
  struct Case {
    const char* name;
    std::string path;
  };
  const Case cases[] = {{"missing", (std::filesystem::path(::testing::TempDir()) / "no-such-banner.swf").string()},
                        {"not a movie", writeFile("garbage.swf", Bytes{'G', 'I', 'F', '8', '9', 'a', 1, 2, 3})},
                        {"truncated", writeFile("truncated.swf", truncated)}};
  form->Show();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    banner().setMovie(k.path);
    EXPECT_EQ(banner().movie(), k.path);
    driver.advance(200);
    EXPECT_FALSE(banner().ticking());
    // The player's own background, white, over the whole control.
    EXPECT_EQ(at(10, 10), clWhite);
    EXPECT_EQ(at(99, 49), clWhite);
  }
}

}  // namespace
}  // namespace tavra::test
