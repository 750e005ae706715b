// The program's icon at the sizes a caption and the desktop ask for: the tile's edges fall on
// whole pixels, mirrored about the middle, and the corners are rounded.
#include <gtest/gtest.h>

#include "gfx/ProgramIcon.h"

namespace tavra::test {
namespace {

TEST(ProgramIcon, TheTileHasCrispMirroredEdgesAtEverySize) {
  for (int size : {8, 16, 22, 24, 32, 48}) {
    SCOPED_TRACE(size);
    const Bitmap icon = programIconPicture(size);
    ASSERT_EQ(icon.size(), (Size{size, size}));
    EXPECT_EQ(icon.format(), PixelFormat::Bits32);
    const int y = size / 2;
    int first = -1, last = -1;
    for (int x = 0; x < size; ++x) {
      if (alphaOf(icon.pixel(x, y)) == 0) continue;
      if (first < 0) first = x;
      last = x;
    }
    ASSERT_GE(first, 0) << "the middle row shows the tile";
    EXPECT_EQ(alphaOf(icon.pixel(first, y)), 0xFF) << "the left edge is a whole pixel";
    EXPECT_EQ(alphaOf(icon.pixel(last, y)), 0xFF) << "the right edge is a whole pixel";
    EXPECT_EQ(first, size - 1 - last) << "mirrored about the middle";
    EXPECT_LT(alphaOf(icon.pixel(0, 0)), 0xFF) << "the corner is rounded";
  }
}

TEST(ProgramIcon, AnIconMakesEachSizeOnceAndCopiesShareThem) {
  int drawn = 0;
  const Icon icon([&](int size) {
    ++drawn;
    return programIconPicture(size);
  });
  const Icon copy = icon;
  EXPECT_EQ(icon.at(16), programIconPicture(16));
  EXPECT_EQ(&copy.at(16), &icon.at(16));
  EXPECT_EQ(copy.at(32).width(), 32);
  EXPECT_EQ(drawn, 2);
  EXPECT_TRUE(Icon().at(16).isEmpty());
  EXPECT_TRUE(icon.at(0).isEmpty());
}

}  // namespace
}  // namespace tavra::test
