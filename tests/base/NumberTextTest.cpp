#include "base/NumberText.h"

#include <gtest/gtest.h>

namespace tavra::test {
namespace {

TEST(NumberText, ShortestGeneralForm) {
  EXPECT_EQ(floatToText(10), "10");
  EXPECT_EQ(floatToText(9), "9");
  EXPECT_EQ(floatToText(0), "0");
  EXPECT_EQ(floatToText(-0.0), "0");
  EXPECT_EQ(floatToText(-1), "-1");
  EXPECT_EQ(floatToText(2.5), "2.5");
  EXPECT_EQ(floatToText(0.1 + 0.2), "0.3") << "fifteen significant digits";
}

TEST(NumberText, ReadingBack) {
  EXPECT_EQ(textToFloat("10"), 10.0);
  EXPECT_EQ(textToFloat(" 4 "), 4.0);
  EXPECT_EQ(textToFloat("2.5"), 2.5);
  EXPECT_FALSE(textToFloat(""));
  EXPECT_FALSE(textToFloat("4x"));
  EXPECT_FALSE(textToFloat("десять"));
  EXPECT_FALSE(textToFloat("inf"));
}

}  // namespace
}  // namespace tavra::test
