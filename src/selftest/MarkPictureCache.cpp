#include "selftest/MarkPictureCache.h"

#include "gfx/ImageCodec.h"

namespace tavra {

std::shared_ptr<const Bitmap> MarkPictureCache::load(const std::string& path) {
  std::error_code ec;
  std::uintmax_t size = std::filesystem::file_size(path, ec);
  std::filesystem::file_time_type modified;
  if (!ec) modified = std::filesystem::last_write_time(path, ec);
  if (ec) {
    entries_.erase(path);
    return nullptr;
  }
  auto it = entries_.find(path);
  if (it != entries_.end() && it->second.size == size && it->second.modified == modified) return it->second.picture;
  ++decodeCount_;
  Entry entry{size, modified, nullptr};
  if (auto decoded = loadImageFile(path)) entry.picture = std::make_shared<const Bitmap>(std::move(decoded).value());
  entries_[path] = entry;
  return entry.picture;
}

}  // namespace tavra
