// Lays out and draws arbitrary bytes as a page archive, as the viewer would. Run with
// ASAN_OPTIONS=detect_leaks=0: fontconfig keeps its caches until the process ends.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gfx/Canvas.h"
#include "platform/page/PageDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 16 * 1024) return 0;  // layout time, not input size, is what matters here
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto archive = tavra::MhtmlArchive::decode(bytes, "file:///course/mat/page.mht");
  if (!archive) return 0;
  tavra::LoadedPage page;
  page.status = tavra::PageStatus::Loaded;
  page.archive = std::move(*archive);
  tavra::PageDocument document(std::move(page));
  document.layout(300, 200);
  tavra::Bitmap screen(300, 200);
  tavra::Canvas canvas(screen);
  document.draw(canvas, screen.bounds(), {0, document.height() / 2});
  (void)document.anchorY("a");
  (void)document.linkAt({10, 10});
  return 0;
}
