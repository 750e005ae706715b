// The status pictures follow the fields and the mark files on disk, without decoding an
// unchanged file again and without error boxes for a file that cannot be loaded.
#include "SelfTestFixture.h"

#include <fstream>
#include <unistd.h>

namespace tavra::test {
namespace {

Color shownColor(TImage& image) {
  if (image.picture().empty()) return clNone;
  return image.picture().bitmap().colorAt(0, 0);
}

TEST_F(SelfTest, PicturesFollowTheFieldsAtTheNextTick) {
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im1), kNo);
  EXPECT_EQ(shownColor(*form().im2), kNo);
  form().e2->setText("Петр");
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im1), kNo);
  EXPECT_EQ(shownColor(*form().im2), kOk);
  form().e2->Clear();
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im2), kNo);
}

TEST_F(SelfTest, UnchangedFilesAreNotDecodedAgain) {
  driver.advance(50);
  TImage& im = *form().im1;
  const Bitmap* shown = &im.picture().bitmap();
  Bitmap before = *shown;
  // A thousand ticks later the same pictures stand; the window repaints nothing for them.
  int presents = driver.backend().presentCount();
  driver.advance(10000);
  EXPECT_EQ(im.picture().bitmap(), before);
  EXPECT_LE(driver.backend().presentCount() - presents, 2) << "an idle testing window draws nothing new";
}

TEST_F(SelfTest, AChangedFileShowsAtTheNextTick) {
  driver.advance(10);
  savePng(markPicture(rgb(0, 0, 255), 20), "dmat/no.png");  // another size
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im1), rgb(0, 0, 255));
  EXPECT_EQ(form().im1->picture().width(), 20);
}

TEST_F(SelfTest, TheTickSleepsWhileTheWindowIsHiddenAndShowingCatchesUpBeforeTheFirstPaint) {
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im1), kNo);
  form().f2b1Click(form());  // back to the textbook
  driver.settle();
  ASSERT_FALSE(form().visible());
  EXPECT_FALSE(form().Timer1->enabled()) << "a hidden window's tick wakes nobody";
  // The file changes while nobody looks.
  constexpr Color kBlue = rgb(0, 0, 255);
  savePng(markPicture(kBlue, 20), "dmat/no.png");
  driver.advance(1000);
  EXPECT_EQ(shownColor(*form().im1), kNo) << "nothing was read while hidden";

  // Shown again with no time passing: the pictures are already the current ones, on screen too.
  openTesting();
  EXPECT_TRUE(form().Timer1->enabled());
  EXPECT_EQ(shownColor(*form().im1), kBlue);
  Point corner = form().im1->clientToScreen({2, 2});
  EXPECT_EQ(driver.screenshot().colorAt(corner.x, corner.y), kBlue);
}

TEST_F(SelfTest, AFileThatCannotBeLoadedLeavesThePictureEmptyWithoutBoxes) {
  driver.advance(10);
  std::filesystem::remove("dmat/no.png");
  driver.advance(100);
  EXPECT_TRUE(form().im1->picture().empty());
  { std::ofstream("dmat/no.png", std::ios::binary) << "not a picture"; }
  driver.advance(100);
  EXPECT_TRUE(form().im1->picture().empty());
  EXPECT_TRUE(driver.boxes.empty());
  savePng(markPicture(kNo), "dmat/no.png");
  driver.advance(10);
  EXPECT_EQ(shownColor(*form().im1), kNo);
}

TEST(MarkPictureCache, DecodesOnlyWhenSizeOrTimeChange) {
  auto dir = std::filesystem::temp_directory_path() / ("tavra-mark-cache-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::string path = (dir / "mark.png").string();
  savePng(markPicture(rgb(1, 2, 3)), path);
  MarkPictureCache cache;
  auto first = cache.load(path);
  ASSERT_NE(first, nullptr);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(cache.load(path), first);
  EXPECT_EQ(cache.decodeCount(), 1);
  savePng(markPicture(rgb(4, 5, 6), 30), path);
  auto second = cache.load(path);
  EXPECT_EQ(cache.decodeCount(), 2);
  EXPECT_EQ(second->colorAt(0, 0), rgb(4, 5, 6));
  // Same size, later time.
  savePng(markPicture(rgb(7, 8, 9), 30), path);
  std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
  EXPECT_EQ(cache.load(path)->colorAt(0, 0), rgb(7, 8, 9));
  { std::ofstream(path, std::ios::binary) << "garbage"; }
  EXPECT_EQ(cache.load(path), nullptr);
  int decoded = cache.decodeCount();
  EXPECT_EQ(cache.load(path), nullptr);
  EXPECT_EQ(cache.decodeCount(), decoded) << "a broken file is not decoded again while unchanged";
  std::filesystem::remove_all(dir);
  EXPECT_EQ(cache.load(path), nullptr);
}

}  // namespace
}  // namespace tavra::test
