#pragma once
// The decoded pictures of the mark files, reused while a file keeps its size and modification
// time: the status tick asks for them a hundred times a second, and a changed file still shows
// at the next tick. A file that is missing or cannot be decoded has no picture (and, unchanged,
// is not tried again).
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "gfx/Bitmap.h"

namespace tavra {

class MarkPictureCache {
 public:
  // The file's picture as it is now on disk; null when it cannot be loaded.
  std::shared_ptr<const Bitmap> load(const std::string& path);
  // How many times a file was read and decoded.
  int decodeCount() const { return decodeCount_; }

 private:
  struct Entry {
    std::uintmax_t size = 0;
    std::chrono::nanoseconds modified{0};  // the file's modification time
    std::shared_ptr<const Bitmap> picture;
  };
  std::map<std::string, Entry> entries_;
  int decodeCount_ = 0;
};

}  // namespace tavra
