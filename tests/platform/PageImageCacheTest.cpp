// Decoded pictures shared between pages by their bytes, within a bounded number.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "PageTestArchives.h"
#include "platform/page/PageImageCache.h"

namespace tavra {
namespace {

std::uint32_t pixelAt(cairo_surface_t* s, int x, int y) {
  cairo_surface_flush(s);
  const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  return reinterpret_cast<const std::uint32_t*>(row)[x];
}

class PageImageCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { cache.clear(); }
  void TearDown() override { cache.clear(); }
  PageImageCache& cache = PageImageCache::instance();
};

TEST_F(PageImageCacheTest, TheSameBytesGiveTheSamePictureAndOtherBytesAnother) {
  const std::string blue = testing_pages::solidPng(3, 2, rgb(0, 0, 255));
  const std::string red = testing_pages::solidPng(3, 2, rgb(255, 0, 0));
  CairoSurfacePtr first = cache.surfaceFor(blue);
  CairoSurfacePtr again = cache.surfaceFor(std::string(blue));  // another copy of the bytes
  CairoSurfacePtr other = cache.surfaceFor(red);
  ASSERT_TRUE(first && again && other);
  EXPECT_EQ(first.get(), again.get());
  EXPECT_NE(first.get(), other.get());
  EXPECT_EQ(pixelAt(first.get(), 2, 1), 0xFF0000FFu);
  EXPECT_EQ(pixelAt(other.get(), 2, 1), 0xFFFF0000u);
  EXPECT_EQ(cache.size(), 2u);
  // A page's reference outlives the cache's.
  cache.clear();
  EXPECT_EQ(pixelAt(first.get(), 0, 0), 0xFF0000FFu);
}

TEST_F(PageImageCacheTest, BytesThatAreNoPictureGiveNothingAndAreNotKept) {
  EXPECT_EQ(cache.surfaceFor("not a picture"), nullptr);
  EXPECT_EQ(cache.surfaceFor(""), nullptr);
  EXPECT_EQ(cache.size(), 0u);
}

TEST_F(PageImageCacheTest, KeepsAtMostItsNumberOfPicturesDroppingTheLeastRecentlyUsed) {
  const std::string firstBytes = testing_pages::solidPng(1, 1, rgb(0, 0, 0));
  const std::string secondBytes = testing_pages::solidPng(1, 1, rgb(1, 0, 0));
  CairoSurfacePtr first = cache.surfaceFor(firstBytes);
  CairoSurfacePtr second = cache.surfaceFor(secondBytes);
  cache.surfaceFor(firstBytes);  // used again: the second is now the least recently used
  for (size_t i = 2; i < PageImageCache::kMaxPictures; ++i) cache.surfaceFor(testing_pages::solidPng(1, 1, rgb(static_cast<int>(i), 0, 0)));
  EXPECT_EQ(cache.size(), PageImageCache::kMaxPictures);
  EXPECT_EQ(cache.surfaceFor(secondBytes).get(), second.get()) << "all still kept";
  cache.surfaceFor(testing_pages::solidPng(1, 1, rgb(0, 0, 1)));  // one more: the first goes now
  EXPECT_EQ(cache.size(), PageImageCache::kMaxPictures);
  EXPECT_EQ(cache.surfaceFor(secondBytes).get(), second.get());
  EXPECT_NE(cache.surfaceFor(firstBytes).get(), first.get()) << "decoded again after it was dropped";
}

}  // namespace
}  // namespace tavra
