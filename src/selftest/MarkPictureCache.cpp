#include "selftest/MarkPictureCache.h"

#include <sys/stat.h>

#include "gfx/ImageCodec.h"

namespace tavra {

std::shared_ptr<const Bitmap> MarkPictureCache::load(const std::string& path) {
  // One look at the file's size and time per call: the status tick asks a hundred times a second.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    entries_.erase(path);
    return nullptr;
  }
  auto size = static_cast<std::uintmax_t>(info.st_size);
  auto modified = std::chrono::seconds(info.st_mtim.tv_sec) + std::chrono::nanoseconds(info.st_mtim.tv_nsec);
  auto it = entries_.find(path);
  if (it != entries_.end() && it->second.size == size && it->second.modified == modified) return it->second.picture;
  ++decodeCount_;
  Entry entry{size, modified, nullptr};
  if (auto decoded = loadImageFile(path)) entry.picture = std::make_shared<const Bitmap>(std::move(decoded).value());
  entries_[path] = entry;
  return entry.picture;
}

}  // namespace tavra
