#pragma once
// The size check every decoder makes before it allocates pixels.
#include <optional>
#include <string>

#include "base/Result.h"
#include "gfx/Bitmap.h"

namespace tavra {

inline std::optional<Error> checkImageSize(long long width, long long height, const char* kind) {
  if (width <= 0 || height <= 0) {
    return Error{std::string(kind) + " image has an empty size (" + std::to_string(width) + " x " + std::to_string(height) + ")"};
  }
  if (width > Bitmap::kMaxDimension || height > Bitmap::kMaxDimension || width * height > Bitmap::kMaxPixels) {
    return Error{std::string(kind) + " image is too large (" + std::to_string(width) + " x " + std::to_string(height) + ")"};
  }
  return std::nullopt;
}

}  // namespace tavra
