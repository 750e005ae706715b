#include <gtest/gtest.h>

#include "base/Color.h"

namespace tavra {
namespace {

TEST(Color, SystemColoursResolveThroughTheTable) {
  EXPECT_EQ(resolveColor(clBtnFace), rgb(212, 208, 200));
  EXPECT_EQ(resolveColor(clHighlight), rgb(10, 36, 106));
  EXPECT_EQ(resolveColor(clInfoBk), rgb(255, 255, 225));
  EXPECT_EQ(resolveColor(systemColor(SysColor::HotLight)), rgb(0, 0, 128));
  EXPECT_EQ(resolveColor(rgb(1, 2, 3)), rgb(1, 2, 3));
  EXPECT_EQ(resolveColor(0xFF0000FFu), clBlack);  // unknown index
}

TEST(Color, ChannelsOfBgrLayout) {
  const Color c = rgb(0x12, 0x34, 0x56);
  EXPECT_EQ(c, 0x563412u);
  EXPECT_EQ(redOf(c), 0x12);
  EXPECT_EQ(greenOf(c), 0x34);
  EXPECT_EQ(blueOf(c), 0x56);
  EXPECT_TRUE(isSystemColor(clWindowText));
  EXPECT_FALSE(isSystemColor(clFuchsia));
}

}  // namespace
}  // namespace tavra
