// Draws one page archive to a PNG of the whole page height, laid out at the main viewer's
// width unless another is given: for course authors, and for comparing with a browser.
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "gfx/ImageCodec.h"
#include "platform/PageDocument.h"

namespace {

constexpr int kDefaultWidth = 721;  // the main window's viewer
constexpr int kMaxWidth = 8192;

int usage() {
  std::fprintf(stderr, "usage: tavra-page ARCHIVE OUT.png [WIDTH]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tavra;
  if (argc < 3 || argc > 4) return usage();
  int width = kDefaultWidth;
  if (argc == 4) {
    std::string_view text = argv[3];
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), width);
    if (ec != std::errc() || end != text.data() + text.size() || width < 16 || width > kMaxWidth) {
      std::fprintf(stderr, "tavra-page: width must be a number from 16 to %d\n", kMaxWidth);
      return 2;
    }
  }
  LoadedPage page = loadPage(argv[1]);
  switch (page.status) {
    case PageStatus::Loaded: break;
    case PageStatus::NotFound:
      std::fprintf(stderr, "tavra-page: cannot read \"%s\": no such file\n", argv[1]);
      return 1;
    case PageStatus::Unreadable:
    case PageStatus::Damaged:
      std::fprintf(stderr, "tavra-page: cannot read \"%s\": not a readable page archive\n", argv[1]);
      return 1;
  }
  PageDocument document(std::move(page));
  document.layout(width, 600);
  int height = std::max(1, std::min(document.height(), Bitmap::kMaxDimension));
  int pageWidth = std::min(document.width(), Bitmap::kMaxDimension);
  if (static_cast<long long>(pageWidth) * height > Bitmap::kMaxPixels) height = static_cast<int>(Bitmap::kMaxPixels / pageWidth);
  Bitmap bitmap(pageWidth, height);
  {
    Canvas canvas(bitmap);
    document.draw(canvas, bitmap.bounds(), {0, 0});
  }
  bitmap.setFormat(PixelFormat::Bits24);
  if (!savePng(bitmap, argv[2])) {
    std::fprintf(stderr, "tavra-page: cannot write \"%s\"\n", argv[2]);
    return 1;
  }
  std::printf("%s: %d x %d\n", argv[2], pageWidth, height);
  return 0;
}
