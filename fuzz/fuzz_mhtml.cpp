// Decodes arbitrary bytes as an archive and looks up a few references in the result.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/mhtml/MhtmlArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto archive = tavra::MhtmlArchive::decode(bytes, "file:///course/mat/page.mht");
  if (!archive) return 0;
  for (const tavra::MhtmlResource& r : archive->resources()) {
    if (!r.location.empty()) (void)archive->find(r.location);
    if (!r.contentId.empty()) (void)archive->find("cid:" + r.contentId);
  }
  (void)archive->find("images/../a%20b.png#x");
  return 0;
}
