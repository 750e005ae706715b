// Feeds arbitrary bytes to the image decoders: any input must give a bitmap within the size
// limits or an error, never a crash, a hang or unbounded memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "gfx/ImageCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto image = tavra::decodeImage({data, size});
  if (image) {
    const tavra::Bitmap& b = *image;
    if (b.width() <= 0 || b.height() <= 0 || b.width() > tavra::Bitmap::kMaxDimension ||
        b.height() > tavra::Bitmap::kMaxDimension) {
      std::abort();
    }
    // Touch the last pixel so that a bitmap smaller than it claims shows up under ASan.
    volatile tavra::Pixel last = b.pixel(b.width() - 1, b.height() - 1);
    (void)last;
  }
  return 0;
}
