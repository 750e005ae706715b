// The shadow's pixel work: stamping and smoothing the blur weights, and mixing the shadow colour
// by them, on tiny masks with values worked out by hand.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/primitives/ShadowBlur.h"

namespace tavra::test {
namespace {

constexpr Pixel kWhite = 0xFFFFFFFF;
constexpr Pixel kBlack = 0xFF000000;

// The inner entries of a buffer (the mask's pixels), row by row.
std::vector<std::vector<int>> inner(const std::vector<std::uint8_t>& buffer, int w, int h) {
  std::vector<std::vector<int>> rows;
  for (int y = 1; y <= h; ++y) {
    std::vector<int> row;
    for (int x = 1; x <= w; ++x) row.push_back(buffer[static_cast<size_t>(y * (w + 2) + x)]);
    rows.push_back(row);
  }
  return rows;
}

std::vector<int> frame(const std::vector<std::uint8_t>& buffer, int w, int h) {
  std::vector<int> out;
  for (int y = 0; y < h + 2; ++y) {
    for (int x = 0; x < w + 2; ++x) {
      if (y == 0 || y == h + 1 || x == 0 || x == w + 1) out.push_back(buffer[static_cast<size_t>(y * (w + 2) + x)]);
    }
  }
  return out;
}

TEST(ShadowBlur, OnePassOverASinglePixel) {
  Bitmap mask(3, 3);
  mask.fill(kBlack);
  mask.setPixel(1, 1, kWhite);
  std::vector<std::uint8_t> buffer(shadowBufferEntries(3, 3), 0);
  blurShadowMask(mask, buffer, 1);
  // Stamp puts 255 at the centre; smoothing runs left to right, top to bottom, so the left and
  // upper neighbours already hold their new values: (1,0) = 255/4 = 63, (2,0) = 63/4 = 15,
  // (0,1) = 63, (1,1) = (63 + 0 + 63 + 0)/4 = 31, and so on.
  EXPECT_EQ(inner(buffer, 3, 3), (std::vector<std::vector<int>>{{0, 63, 15}, {63, 31, 11}, {15, 11, 5}}));
  EXPECT_EQ(frame(buffer, 3, 3), std::vector<int>(16, 0));
}

TEST(ShadowBlur, OnlyTheBlueByteStamps) {
  Bitmap mask(3, 1);
  mask.setPixel(0, 0, 0xFFFF0000);  // red only
  mask.setPixel(1, 0, 0xFF00FF00);  // green only
  mask.setPixel(2, 0, 0x00000001);  // the faintest blue
  std::vector<std::uint8_t> buffer(shadowBufferEntries(3, 1), 0);
  blurShadowMask(mask, buffer, 1);
  // Only (2, 0) was stamped: its left neighbour (1, 0) sees 255 on its right → 63; the stamped
  // entry then takes (up + down + left + right)/4 = (0 + 0 + 63 + 0)/4 = 15.
  EXPECT_EQ(inner(buffer, 3, 1), (std::vector<std::vector<int>>{{0, 63, 15}}));
}

TEST(ShadowBlur, NoPassesLeaveTheBufferEmpty) {
  Bitmap mask(2, 2);
  mask.fill(kWhite);
  for (int passes : {0, -3}) {
    std::vector<std::uint8_t> buffer(shadowBufferEntries(2, 2), 0);
    blurShadowMask(mask, buffer, passes);
    EXPECT_EQ(buffer, std::vector<std::uint8_t>(16, 0)) << passes;
  }
}

// The same algorithm written out with coordinates, to check many passes on a larger mask.
std::vector<std::uint8_t> referenceBlur(const Bitmap& mask, int passes) {
  int w = mask.width() + 2, h = mask.height() + 2;
  std::vector<std::vector<int>> b(static_cast<size_t>(h), std::vector<int>(static_cast<size_t>(w), 0));
  for (int p = 0; p < passes; ++p) {
    for (int y = 0; y < mask.height(); ++y) {
      for (int x = 0; x < mask.width(); ++x) {
        if ((mask.pixel(x, y) & 0xFF) != 0) b[static_cast<size_t>(y + 1)][static_cast<size_t>(x + 1)] = 255;
      }
    }
    for (size_t y = 1; y + 1 < b.size(); ++y) {
      for (size_t x = 1; x + 1 < b[y].size(); ++x) b[y][x] = (b[y - 1][x] + b[y + 1][x] + b[y][x - 1] + b[y][x + 1]) / 4;
    }
  }
  std::vector<std::uint8_t> out;
  for (auto& row : b) {
    for (int v : row) out.push_back(static_cast<std::uint8_t>(v));
  }
  return out;
}

TEST(ShadowBlur, ManyPassesMatchTheWrittenOutAlgorithm) {
  std::mt19937 random(7);
  Bitmap mask(23, 11);
  for (int y = 0; y < mask.height(); ++y) {
    for (int x = 0; x < mask.width(); ++x) mask.setPixel(x, y, random() % 5 == 0 ? 0xFF000000u | (random() & 0xFF) : kBlack);
  }
  for (int passes : {1, 2, 4, 10}) {
    std::vector<std::uint8_t> buffer(shadowBufferEntries(23, 11), 0);
    blurShadowMask(mask, buffer, passes);
    EXPECT_EQ(buffer, referenceBlur(mask, passes)) << passes << " passes";
  }
}

TEST(ShadowBlur, ComposeOverMixesTheShadowIntoWhatIsThere) {
  // Weights 0, 128 and 255 for three pixels of one row.
  std::vector<std::uint8_t> buffer(shadowBufferEntries(3, 1), 0);
  buffer[6] = 0;
  buffer[7] = 128;
  buffer[8] = 255;
  Bitmap image(3, 1);
  image.fill(pixelFromColor(rgb(200, 100, 0)));
  composeShadowOver(image, buffer, rgb(0, 0, 255));
  // channel = (c × (255 − a) + s × a) >> 8
  EXPECT_EQ(image.colorAt(0, 0), rgb(199, 99, 0));    // 200·255 >> 8 = 199: no shadow still darkens a little
  EXPECT_EQ(image.colorAt(1, 0), rgb(99, 49, 127));   // 200·127 >> 8, 100·127 >> 8, 255·128 >> 8
  EXPECT_EQ(image.colorAt(2, 0), rgb(0, 0, 254));     // 255·255 >> 8
}

TEST(ShadowBlur, ComposeOnColorIgnoresWhatIsThere) {
  std::vector<std::uint8_t> buffer(shadowBufferEntries(2, 2), 0);
  buffer[5] = 64;   // (0, 0)
  buffer[10] = 255; // (1, 1)
  Bitmap image(2, 2);
  image.fill(pixelFromColor(rgb(1, 2, 3)));
  // A system colour is resolved: button face is (212, 208, 200).
  composeShadowOnColor(image, buffer, rgb(255, 255, 255), systemColor(SysColor::BtnFace));
  // channel = (s × a + background × (255 − a)) >> 8
  EXPECT_EQ(image.colorAt(0, 0), rgb(221, 218, 212));  // (255·64 + 212·191) >> 8 = 221, …
  EXPECT_EQ(image.colorAt(1, 0), rgb(211, 207, 199));
  EXPECT_EQ(image.colorAt(1, 1), rgb(254, 254, 254));
}

}  // namespace
}  // namespace tavra::test
