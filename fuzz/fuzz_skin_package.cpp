// Fuzz target: the skin package reader over arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/data/SkinWarnings.h"
#include "skin/data/TacSkinConvertor.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static tavra::SkinWarnings::Scope quiet([](tavra::SkinNoticeKind, const std::string&) {});
  tavra::TacSkinConvertor converter;
  converter.setSource({data, size});
  tavra::SkinStatus status = converter.Read();
  converter.releaseSource();
  if (converter.bytesRead() > size) std::abort();
  if (converter.imageEntries().size() > converter.Images.size()) std::abort();
  if (status && converter.Options && converter.ImageCount < static_cast<std::int32_t>(converter.Images.size())) std::abort();
  for (const tavra::TacImageItem& item : converter.Images) {
    if (item.Data.size() > static_cast<std::size_t>(tavra::TacSkinConvertor::kMaxEntryBytes)) std::abort();
    (void)converter.findImage(item.Name);
  }
  return 0;
}
